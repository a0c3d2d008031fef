// Feeds one buffer of arbitrary bytes and length, as the first bytes of a
// recording, through the header holder, the record extraction and the row the
// record list would show for it.

#include "import/qwavfileheader.h"
#include "import/recordextraction.h"
#include "records/recordrow.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

RecordColumns ColumnsOf(const ExtractedRecord &record)
{
    return {0,
            record.fileName,
            record.startTime,
            record.recordTime,
            record.callingID,
            record.receiveID,
            record.recordType,
            record.callType,
            record.sendFre,
            record.recFre,
            record.filePath,
            record.channelType,
            record.radioID};
}

// A recording's length is never negative, however its header is filled.
void CheckRecord(const ExtractedRecord &record)
{
    if (record.recordTime.contains(QLatin1Char('-')) || record.startTime.isEmpty())
        std::abort();
    const RecordRow row = MakeRecordRow(ColumnsOf(record), 1);
    if (row.duration != record.recordTime || row.filePath != record.filePath)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     int(qMin<size_t>(size, 1 << 20)));
    QWavFileHeader holder;
    if (const auto record = ExtractRecord(holder, bytes, QStringLiteral("fuzz.wav"),
                                          QStringLiteral("/fuzz/fuzz.wav")))
        CheckRecord(*record);
    if (holder.IsValid())
        std::abort();
    return 0;
}
