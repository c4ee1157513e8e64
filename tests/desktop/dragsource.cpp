// SPDX-License-Identifier: MIT
// A program of its own that hands files to another one by drag and drop, as
// a file manager does: a small window that, pressed with the mouse, starts a
// drag of the files named on its command line, as their URLs and as the same
// URLs in plain text. The desktop suite drives it with X input to drop files
// on the program from outside.
//
//     tavelo_dragsource FILE...
//
// It prints "window 0x…" (its X window) once it is shown, and after each
// drag "dropped copy" when a program took the files, otherwise "dropped
// none". It runs until it is stopped.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

class Source : public QLabel {
public:
    explicit Source(const QStringList &paths) : paths_(paths)
    {
        setText(QStringLiteral("%1 files").arg(paths.size()));
        setAlignment(Qt::AlignCenter);
        setWindowTitle(QStringLiteral("tavelo drag source"));
        setFixedSize(200, 120);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *mime = new QMimeData;
        QList<QUrl> urls;
        QStringList lines;
        for (const QString &path : paths_) {
            urls << QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
            lines << urls.last().toString();
        }
        mime->setUrls(urls);
        mime->setText(lines.join(QLatin1Char('\n')));
        auto *drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::printf("dropped %s\n", action == Qt::CopyAction ? "copy" : "none");
        std::fflush(stdout);
    }

private:
    QStringList paths_;
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList paths = QApplication::arguments();
    paths.removeFirst();
    if (paths.isEmpty()) {
        std::fprintf(stderr, "usage: tavelo_dragsource FILE...\n");
        return 2;
    }
    Source source(paths);
    // In the top left corner, out of the way of the windows centred on the
    // screen.
    source.move(40, 40);
    source.show();
    QTimer::singleShot(0, &source, [&source] {
        std::printf("window 0x%llx\n", static_cast<unsigned long long>(source.winId()));
        std::fflush(stdout);
    });
    return QApplication::exec();
}
