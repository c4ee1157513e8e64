// SPDX-License-Identifier: MIT
// The scans that measure MP3, FLAC and Ogg files: any bytes give an answer
// without a crash or a hang, and that answer is a length of 0 or more. An
// MPEG length never claims more than a millisecond per byte (no MPEG frame
// holds more), whether it came from a Xing header or from the frames
// counted. Each scan is tried on the bytes whatever their shape, as a file
// that lies about itself would be.
#include "fuzzcommon.h"

#include "readers/audioscan.h"

namespace {

std::string hexOf(const QByteArray &bytes)
{
    return bytes.left(256).toHex().toStdString() + (bytes.size() > 256 ? "…" : "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::atomic<bool> never{false};
    tavelo::MemorySource source(bytes);
    (void)tavelo::audioShape(source);
    const std::int64_t mpeg = tavelo::mpegLength(source, never);
    FUZZ_CHECK(mpeg >= 0 && mpeg <= bytes.size(), hexOf(bytes));
    FUZZ_CHECK(tavelo::flacLength(source, never) >= 0, hexOf(bytes));
    FUZZ_CHECK(tavelo::oggLength(source, never) >= 0, hexOf(bytes));
    return 0;
}
