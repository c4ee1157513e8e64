// SPDX-License-Identifier: MIT
#include "app/appsetup.h"
#include "app/commandline.h"
#include "app/windows.h"
#include "mainwindow/taveloform.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>
#include <ostream>
#include <streambuf>

namespace {

// Writes a C++ stream straight to a C file. The replies to the command line
// go through it rather than std::cout: including <iostream> sets up the C++
// standard streams and their locale at every start, some half a megabyte of
// the program's memory, for the rare --help or --version.
class FileBuffer : public std::streambuf {
public:
    explicit FileBuffer(std::FILE *file) : file_(file) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        return std::fputc(c, file_) == EOF ? traits_type::eof() : c;
    }
    std::streamsize xsputn(const char *s, std::streamsize n) override
    {
        return static_cast<std::streamsize>(std::fwrite(s, 1, static_cast<std::size_t>(n), file_));
    }
    int sync() override { return std::fflush(file_) == 0 ? 0 : -1; }

private:
    std::FILE *file_;
};

}  // namespace

int main(int argc, char *argv[])
{
    // Only a command line with arguments has anything to answer.
    if (argc > 1) {
        FileBuffer outBuffer(stdout), errBuffer(stderr);
        std::ostream out(&outBuffer), err(&errBuffer);
        if (const auto status = tavelo::handleCommandLine(argc, argv, out, err))
            return *status;
    }
    // Qt sees no argument but the program's name: nothing on the command line
    // changes what the program does.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    tavelo::setUpApplication();
    QPointer<tavelo::TaveloForm> main = tavelo::windows::openMainWindow();
    const int code = QApplication::exec();
    delete main.data();
    return code;
}
