#include "app/languages.h"
#include "app/mainwindow.h"
#include "store/programfolders.h"

#include "ui_mainwindow.h"

#include <QApplication>
#include <QCalendarWidget>

bool MainWindow::ScanLanguageFiles(QStringList &paths)
{
    return ListLanguageFiles(LanguageFolder(), paths);
}

void MainWindow::LanguageIDConfig(QString &identifier, bool read)
{
    if (read)
        ReadLanguageID(SettingsFilePath(), identifier);
    else
        WriteLanguageID(SettingsFilePath(), identifier);
}

QString MainWindow::GetLanguageName(const QString &path, QString &identifier)
{
    return CatalogLanguageName(path, identifier);
}

bool MainWindow::LoadLanguage(QString &identifier)
{
    QList<LanguageCatalog> catalogs;
    for (const QString &path : qAsConst(m_languageFiles)) {
        LanguageCatalog catalog{path, QString(), QString()};
        catalog.name = GetLanguageName(path, catalog.identifier);
        catalogs.append(catalog);
    }
    const int chosen = ChooseLanguage(catalogs, identifier);
    if (chosen < 0)
        return false;
    if (m_translator.load(catalogs.at(chosen).path))
        QApplication::installTranslator(&m_translator);
    return true;
}

// The calendars name the days and months in the language shown; a calendar
// given a locale also starts its weeks on that locale's first day.
void MainWindow::ShowCalendarLanguage()
{
    const QLocale locale = LanguageLocale(tr("LanguageID"));
    for (QDateEdit *edit : {ui->dateEdit_Begin, ui->dateEdit_End})
        edit->calendarWidget()->setLocale(locale);
}
