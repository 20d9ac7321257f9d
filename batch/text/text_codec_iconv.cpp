// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace evdrive::batch {
namespace {

// The C library's converter.
class IconvCodec : public TextCodec {
  public:
    explicit IconvCodec(iconv_t converter)
        : converter_(converter) {}
    ~IconvCodec() override { iconv_close(converter_); }
    IconvCodec(const IconvCodec&) = delete;
    IconvCodec& operator=(const IconvCodec&) = delete;

    std::expected<std::size_t, std::size_t> convert(std::string_view input,
                                                    std::string& output) override {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            const std::size_t old = output.size();
            const std::size_t room = 2 * inLeft + 16;
            std::size_t outLeft = room;
            std::size_t result = 0;
            output.resize_and_overwrite(old + room, [&](char* data, std::size_t) {
                char* out = data + old;
                result = iconv(converter_, &in, &inLeft, &out, &outLeft);
                return old + room - outLeft;
            });
            if (result != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == EILSEQ) {
                return std::unexpected(input.size() - inLeft);
            }
            if (errno == EINVAL) {
                break; // a character the input breaks off
            }
        }
        return input.size() - inLeft;
    }

  private:
    iconv_t converter_;
};

} // namespace

std::unique_ptr<TextCodec> openCodec(std::string_view from, std::string_view to) {
    const iconv_t converter = iconv_open(std::string(to).c_str(), std::string(from).c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return nullptr;
    }
    return std::make_unique<IconvCodec>(converter);
}

} // namespace evdrive::batch
