// Writes the seed corpus of fuzz_recordheader into the folder given: valid
// recordings of both layouts, near misses and degenerate buffers.
//     make_fuzz_seeds tests/fuzz/corpus

#include "tests/support/recordingfixture.h"

#include <QDir>
#include <QTextStream>

namespace {

RecordingFields Fields(RecordingLayout layout)
{
    RecordingFields fields;
    fields.layout = layout;
    fields.pcm = SinePcm(20);
    return fields;
}

QByteArray MarkerOneByteLate(RecordingLayout layout)
{
    RecordingFields fields = Fields(layout);
    fields.marker = QByteArray("\0radio_recorder", 15);
    return RecordingBytes(fields);
}

QByteArray LongRecording()
{
    RecordingFields fields = Fields(RecordingLayout::Layout85);
    fields.byteRate = 1;
    fields.audioLength = 0xFFFFFFFFu;
    return RecordingBytes(fields);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_fuzz_seeds FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QByteArray layout80 = RecordingBytes(Fields(RecordingLayout::Layout80));
    const QByteArray layout85 = RecordingBytes(Fields(RecordingLayout::Layout85));
    const QList<QPair<QString, QByteArray>> seeds = {
        {"layout80.wav", layout80},
        {"layout85.wav", layout85},
        {"layout80-header-only.wav", layout80.left(HeaderSize(RecordingLayout::Layout80))},
        {"layout85-cut-at-66.wav", layout85.left(66)},
        {"layout80-marker-one-byte-late.wav", MarkerOneByteLate(RecordingLayout::Layout80)},
        {"layout85-marker-one-byte-late.wav", MarkerOneByteLate(RecordingLayout::Layout85)},
        {"layout85-longest.wav", LongRecording()},
        {"all-ff.wav", QByteArray(216, char(0xFF))},
        {"one-byte.wav", QByteArray(1, 'R')},
    };
    for (const auto &seed : seeds) {
        if (!WriteFileBytes(folder.filePath(seed.first), seed.second)) {
            QTextStream(stderr) << "cannot write " << folder.filePath(seed.first) << '\n';
            return 1;
        }
    }
    return 0;
}
