#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

// Writes recordings the way the recorders lay them out, byte by byte at the
// documented offsets, without using the application's header parser. Layout
// 80: a 92-byte header, marker "radio_recorder" at 40, the data chunk at 84,
// no radio ID. Layout 85: a 216-byte header, "KVB" at 40, marker at 52,
// radio ID at 96, the data chunk at 208. Both are RIFF/WAVE files with a PCM
// format chunk up to the data chunk, so a file with samples in `pcm` plays.

enum class RecordingLayout { Layout80, Layout85 };

struct RecordingFields
{
    RecordingLayout layout = RecordingLayout::Layout85;
    // Written at the layout's marker offset; anything else makes the file invalid.
    QByteArray marker = "radio_recorder";
    // The call's start as stored: year counted from 2000; not checked.
    quint8 year = 24, month = 3, day = 7, hour = 9, minute = 5, second = 3;
    quint16 recordType = 1, callType = 2, channelType = 1;
    quint32 recFre = 410200, sendFre = 400100, receiveID = 2002, callingID = 1001;
    quint32 radioID = 77; // layout 85 only
    // Format chunk: 8 kHz, 16-bit mono PCM; the byte rate divides the length.
    quint16 channels = 1;
    quint32 sampleRate = 8000;
    quint16 bitsPerSample = 16;
    quint32 byteRate = 16000;
    // Audio data after the header, and the data chunk's size field
    // (pcm.size() when not set), which lets a small file claim a long recording.
    QByteArray pcm;
    std::optional<quint32> audioLength;
};

// Header size of the layout: 92 or 216.
int HeaderSize(RecordingLayout layout);
// The whole file: header followed by pcm.
QByteArray RecordingBytes(const RecordingFields &fields);
// 16-bit mono samples of a sine tone at sampleRate.
QByteArray SinePcm(int milliseconds, int frequencyHz = 440, quint32 sampleRate = 8000);
// Writes bytes to path, creating missing parent folders.
bool WriteFileBytes(const QString &path, const QByteArray &bytes);
bool WriteRecording(const QString &path, const RecordingFields &fields = RecordingFields());

// Makes an entry of a kind at path: "recording" (of layout 85, its bytes
// differing with the path), "empty" (file), "folder", "fifo", "dangling" (a
// link that leads nowhere), "missing" (nothing), or "link:" and a kind: that
// kind at path + ".real" and a link to it at path. False when it cannot.
bool MakeEntry(const QString &kind, const QString &path);
