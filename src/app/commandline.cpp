// SPDX-License-Identifier: MIT
#include "app/commandline.h"

#include <string_view>

namespace tavelo {

std::optional<int> handleCommandLine(int argc, const char *const *argv, std::FILE *out,
                                     std::FILE *err)
{
    if (argc < 2)
        return std::nullopt;
    const std::string_view arg = argv[1];
    if (argc == 2 && (arg == "-h" || arg == "--help")) {
        std::fputs("Usage: tavelo [--help | --version]\n"
                   "Plans a cassette recording: the playing times of up to 30 songs against the\n"
                   "minutes of one tape side, or just their total. The windows are in Japanese,\n"
                   "or in English where the desktop's language is not Japanese: LANGUAGE=en\n"
                   "or LANGUAGE=ja before the command chooses.\n"
                   "\n"
                   "  -h, --help     show this help and exit\n"
                   "  -V, --version  show the version and exit\n",
                   out);
        return 0;
    }
    if (argc == 2 && (arg == "-V" || arg == "--version")) {
        std::fputs("tavelo " TAVELO_VERSION "\n", out);
        return 0;
    }
    // Anything else is refused rather than ignored, so that a mistyped option
    // is noticed; the program reads nothing else from its command line.
    const char *bad =
        (arg == "-h" || arg == "--help" || arg == "-V" || arg == "--version") ? argv[2] : argv[1];
    std::fprintf(err, "tavelo: %s '%s' (try 'tavelo --help')\n",
                 bad[0] == '-' ? "unknown option" : "unexpected argument", bad);
    return 2;
}

}  // namespace tavelo
