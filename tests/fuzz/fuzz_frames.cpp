// Fuzz target: arbitrary bytes through the frame reader, the text-frame splitter and the
// message parser, and every parsed message written again in both forms. The first byte chooses
// how the rest is cut into reads.
#include "common/core/logger/credentialmask.h"
#include "common/net/apinetwork.h"
#include "common/net/framereader.h"
#include "common/net/messagetext.h"
#include "common/net/netdto.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int chunk = 1 + data[0] * 4;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    Common::FrameReader reader(1 << 20);
    Common::FrameReader::Frame frame;
    for (int pos = 0; pos < bytes.size(); pos += chunk) {
        reader.append(bytes.mid(pos, chunk));
        Common::FrameReader::Status status;
        while ((status = reader.next(&frame)) == Common::FrameReader::Status::Frame) {
            if (frame.kind == Common::FrameReader::Kind::Json) {
                Common::ApiNetwork::resCode(frame.json);
                continue;
            }
            for (const QVariantMap &message : Common::ApiNetwork::decodeTextFrame(Common::ApiNetwork::frameText(frame.raw))) {
                const NetDTO record(message);
                record.toJson();
                Common::parseMessage(Common::maskCredentials(Common::messageText(QStringLiteral("s"), record)));
            }
        }
        if (status == Common::FrameReader::Status::Error)
            break;
    }
    // The parser alone, on the bytes taken as message text.
    Common::parseMessage(Common::ApiNetwork::frameText(bytes));
    return 0;
}
