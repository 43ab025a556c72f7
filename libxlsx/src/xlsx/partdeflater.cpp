#include "xlsx/partdeflater.h"

#include <zlib.h>

#include <algorithm>
#include <system_error>
#include <thread>

namespace Xlsx {

namespace {

constexpr int blockSize = 256 * 1024;
constexpr int dictionarySize = 32 * 1024; // the deflate window

// Blocks compressed at once; the thread writing the text goes on meanwhile.
size_t blocksInFlight()
{
    return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
}

// Raw deflate at level 6 of one block, primed with the text before it. A block other than the last
// ends in a sync flush, on a byte boundary, so that the next block's bytes simply follow it.
QByteArray deflateBlock(const QByteArray &input, const QByteArray &dictionary, bool last, bool *ok)
{
    z_stream stream{};
    *ok = deflateInit2(&stream, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    if (!*ok)
        return {};
    if (!dictionary.isEmpty())
        *ok = deflateSetDictionary(&stream, reinterpret_cast<const Bytef *>(dictionary.constData()),
                                   uInt(dictionary.size())) == Z_OK;
    QByteArray out(int(deflateBound(&stream, uLong(input.size()))) + 64, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.constData()));
    stream.avail_in = uInt(input.size());
    int written = 0;
    int result = Z_OK;
    while (*ok) {
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + written);
        stream.avail_out = uInt(out.size() - written);
        result = deflate(&stream, last ? Z_FINISH : Z_SYNC_FLUSH);
        written = out.size() - int(stream.avail_out);
        if (last ? result == Z_STREAM_END : result == Z_OK && stream.avail_in == 0 && stream.avail_out > 0)
            break;
        // More room is all it may ask for.
        *ok = (result == Z_OK || result == Z_BUF_ERROR) && stream.avail_out == 0;
        if (*ok)
            out.resize(out.size() * 2);
    }
    deflateEnd(&stream);
    out.resize(written);
    return out;
}

} // namespace

PartDeflater::~PartDeflater()
{
    for (std::future<Block> &block : m_pending) {
        if (block.valid())
            block.wait();
    }
}

void PartDeflater::write(const char *data, qint64 size)
{
    m_size += size;
    while (size > 0) {
        if (m_block.capacity() < blockSize)
            m_block.reserve(blockSize);
        const int piece = int(std::min<qint64>(size, blockSize - m_block.size()));
        m_block.append(data, piece);
        data += piece;
        size -= piece;
        if (m_block.size() == blockSize)
            handOn(false);
    }
}

bool PartDeflater::finish(Package::Part *part)
{
    handOn(true);
    collect(0);
    part->deflated = true;
    part->data = m_out;
    part->crc = m_crc;
    part->size = m_size;
    return m_ok;
}

void PartDeflater::handOn(bool last)
{
    collect(blocksInFlight() - 1);
    const QByteArray dictionary = m_dictionary;
    m_dictionary = m_block.right(dictionarySize);
    auto compress = [input = std::move(m_block), dictionary, last] {
        Block block;
        block.data = deflateBlock(input, dictionary, last, &block.ok);
        block.crc = quint32(crc32_z(0, reinterpret_cast<const Bytef *>(input.constData()), size_t(input.size())));
        block.size = input.size();
        return block;
    };
    m_block = QByteArray();
    // The last block, and every block when no thread can be had, on this thread.
    std::launch policy = last ? std::launch::deferred : std::launch::async;
    try {
        m_pending.push_back(std::async(policy, compress));
    } catch (const std::system_error &) {
        m_pending.push_back(std::async(std::launch::deferred, compress));
    }
}

void PartDeflater::collect(size_t keep)
{
    while (m_pending.size() > keep) {
        const Block block = m_pending.front().get();
        m_pending.pop_front();
        m_out += block.data;
        m_crc = quint32(::crc32_combine(m_crc, block.crc, block.size));
        m_ok = m_ok && block.ok;
    }
}

} // namespace Xlsx
