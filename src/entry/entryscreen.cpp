// SPDX-License-Identifier: MIT
#include "entry/entryscreen.h"

#include "gui/labelfit.h"

#include "gui/boxmenus.h"
#include "gui/note.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

namespace tavelo {
namespace {

constexpr int kButtonHeight = 375;
constexpr Rgb kRowLabelBlue = 0x0000FF;

void setTextColour(QWidget *widget, Rgb colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(pal);
}

// The local files a drag carries; empty for any other drag.
QStringList localFiles(const QMimeData *mime)
{
    QStringList paths;
    if (mime && mime->hasUrls()) {
        for (const QUrl &url : mime->urls()) {
            if (url.isLocalFile())
                paths << url.toLocalFile();
        }
    }
    return paths;
}

// The URLs of an audio CD or its tracks that a drag carries (cdda://, as
// desktops offer a disc); empty for any other drag.
QStringList discUrls(const QMimeData *mime)
{
    QStringList urls;
    if (mime && mime->hasUrls()) {
        for (const QUrl &url : mime->urls()) {
            if (url.scheme().compare(QLatin1String("cdda"), Qt::CaseInsensitive) == 0)
                urls << url.toString();
        }
    }
    return urls;
}

// Array names carry their index, as Label5(3) or Text1(17).
QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The whole wording of a caption that a translation has to shorten to fit its
// button, shown as the button's tooltip; empty where the caption is whole (in
// Japanese always).
QString longFormOf(const char *caption)
{
    static const struct {
        const char *source;
        const char *comment;
    } longForms[] = {
        QT_TRANSLATE_NOOP3("EntryScreen", "残り時間を出す", "the whole wording, as a tooltip"),
        QT_TRANSLATE_NOOP3("EntryScreen", "合計時間を出す", "the whole wording, as a tooltip"),
    };
    for (const auto &form : longForms) {
        if (qstrcmp(form.source, caption) != 0)
            continue;
        const QString text = QCoreApplication::translate("EntryScreen", form.source, form.comment);
        return text == QString::fromUtf8(form.source) ? QString() : text;
    }
    return {};
}

}  // namespace

EntryScreen::EntryScreen(ScreenId id)
    : FormWindow(
          QString::fromLatin1(screenDescription(id).name),
          QCoreApplication::translate("EntryScreen", "録音済み時間"),
          QSize(fromTwips(screenDescription(id).width), fromTwips(screenDescription(id).height)),
          Frame::Tool)
    , description_(screenDescription(id))
{
    setBackgroundColour(QColor(description_.background));
    buildLabels();
    buildRows();
    buildButtons();
    minuteBoxes_.at(firstVisibleSlot(id))->setFocus();

    // Song times from the user's files and tracklists: dropped anywhere on
    // the screen, or pasted with Ctrl+Shift+V or from a box's menu.
    setAcceptDrops(true);
    auto *paste = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), this);
    connect(paste, &QShortcut::activated, this, [this] { pasteTracklist(focusedSlot()); });
}

void EntryScreen::buildLabels()
{
    const auto &d = description_;
    for (const LabelDescription *label : {&d.heading, &d.secondLine, &d.note}) {
        if (!label->name)
            continue;
        const bool isNote = label->height > kLabelSize;
        QLabel *widget = addLabel(QString::fromLatin1(label->name),
                                  QCoreApplication::translate("EntryScreen", label->text),
                                  twipsRect(label->left, label->top, label->width, label->height),
                                  isNote ? new NoteLabel(this) : nullptr);
        if (!label->defaultColour)
            setTextColour(widget, label->colour);
        if (label->bold)
            widget->setFont(screenFont(true));
        if (isNote) {
            // The ideographic spaces only pad the lines; a screen reader
            // reads the note as the sentences it is.
            widget->setAccessibleName(widget->text().remove(QChar(0x3000)));
            widget->setWordWrap(true);
            breakAtPadding(widget);
        } else {
            keepInsideWindow(widget, width());
        }
    }
}

void EntryScreen::buildRows()
{
    const int first = firstVisibleSlot(description_.id);
    QWidget *previous = nullptr;
    for (int row = 0; row < kRowsPerPage; ++row) {
        const int slot = first + row;
        const int top = description_.firstRowTop + row * kRowPitch;
        const int song = slot + 1;
        // On page-1 and correction screens index 1 of Label5 is the note, so
        // rows 2 to 15 use the indices 2 to 15; page-2 rows use 0 to 14.
        const int labelIndex = first > 0 ? row : (row == 0 ? 0 : row + 1);
        QLabel *label = addLabel(indexed("Label5", labelIndex), QString::number(song),
                                 twipsRect(description_.rowLabelLeft, top, kLabelSize, kLabelSize));
        label->setFont(screenFont(true));
        setTextColour(label, kRowLabelBlue);

        QLineEdit *minutes = addLineEdit(
            indexed("Text1", slot), twipsRect(description_.minuteLeft, top, kBoxWidth, kBoxHeight));
        QLineEdit *seconds = addLineEdit(
            indexed("Text2", slot), twipsRect(description_.secondLeft, top, kBoxWidth, kBoxHeight));
        minutes->setAccessibleName(
            QCoreApplication::translate("EntryScreen", "%1の分").arg(songNumber(slot)));
        seconds->setAccessibleName(
            QCoreApplication::translate("EntryScreen", "%1の秒").arg(songNumber(slot)));
        label->setBuddy(minutes);
        minuteBoxes_.at(slot) = minutes;
        secondBoxes_.at(slot) = seconds;
        for (QLineEdit *box : {minutes, seconds}) {
            box->installEventFilter(this);
            offerPaste(box, slot);
            // A title goes with its time: when the user empties the row, it
            // is gone too.
            connect(box, &QLineEdit::textEdited, this, [this, slot] {
                if (minuteBoxes_.at(slot)->text().isEmpty() &&
                    secondBoxes_.at(slot)->text().isEmpty())
                    setTitle(slot, {});
            });
        }
        if (previous)
            setTabOrder(previous, minutes);
        setTabOrder(minutes, seconds);
        previous = seconds;
    }
    const int top = description_.firstRowTop;
    fitToBox(addLabel(
        QStringLiteral("Label2"), QCoreApplication::translate("EntryScreen", "分"),
        twipsRect(description_.minuteLeft + kBoxWidth + kUnitGap, top, kLabelSize, kLabelSize)));
    fitToBox(addLabel(
        QStringLiteral("Label3"), QCoreApplication::translate("EntryScreen", "秒"),
        twipsRect(description_.secondLeft + kBoxWidth + kUnitGap, top, kLabelSize, kLabelSize)));
}

void EntryScreen::buildButtons()
{
    std::vector<QPushButton *> tabOrder(description_.buttons.size());
    for (const ButtonDescription &b : description_.buttons) {
        QPushButton *widget = addButton(
            QString::fromLatin1(b.name), QCoreApplication::translate("EntryScreen", b.caption),
            twipsRect(b.left, description_.buttonTop, b.width, kButtonHeight));
        if (const QString whole = longFormOf(b.caption); !whole.isEmpty())
            widget->setToolTip(whole);
        connect(widget, &QPushButton::clicked, this, [this, widget, action = b.action] {
            lastPressed_ = widget;
            if (action == Action::Cancel)
                close();
            else
                emit actionRequested(action);
        });
        tabOrder.at(static_cast<std::size_t>(b.tabPosition)) = widget;
        if (b.key == ButtonKey::Enter)
            setDefaultButton(widget);
        else if (b.key == ButtonKey::Escape)
            setCancelButton(widget);
    }
    QWidget *previous = secondBoxes_.at(firstVisibleSlot(description_.id) + kRowsPerPage - 1);
    for (QPushButton *widget : tabOrder) {
        setTabOrder(previous, widget);
        previous = widget;
    }
}

Slots EntryScreen::texts() const
{
    Slots texts = carry_;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (minuteBoxes_.at(slot))
            texts.at(slot) = {minuteBoxes_.at(slot)->text(), secondBoxes_.at(slot)->text(),
                              titles_.at(slot)};
    }
    return texts;
}

void EntryScreen::setSlot(int slot, const SongTime &time)
{
    if (minuteBoxes_.at(slot)) {
        minuteBoxes_.at(slot)->setText(time.minutes);
        secondBoxes_.at(slot)->setText(time.seconds);
        setTitle(slot, time.title);
    } else {
        carry_.at(slot) = time;
    }
}

void EntryScreen::setTitle(int slot, const QString &title)
{
    titles_.at(slot) = title;
    // Shown when the pointer rests on the row, and read by screen readers.
    for (QLineEdit *box : {minuteBoxes_.at(slot), secondBoxes_.at(slot)}) {
        box->setToolTip(title);
        box->setAccessibleDescription(title);
    }
}

void EntryScreen::focusSlot(int slot, Field field)
{
    QWidget *box = field == Field::Minutes ? minuteBoxes_.at(slot) : secondBoxes_.at(slot);
    if (QWidget *target = box ? box : lastPressed_)
        focusBox(target);
}

void EntryScreen::offerPaste(QLineEdit *box, int slot)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box, slot](const QPoint &pos) {
        showBoxMenu(box, pos, [this, box, slot](QMenu *menu) {
            QAction *paste =
                menu->addAction(QCoreApplication::translate("EntryScreen", "時間を貼り付け"), this,
                                [this, slot] { pasteTracklist(slot); });
            paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
            paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
            menu->addAction(QCoreApplication::translate("EntryScreen", "CDから読み込む"), this,
                            [this, box, slot] {
                                notePlace_ = box->mapToGlobal(QPoint(box->width(), 0));
                                emit cdRequested(slot);
                            });
        });
    });
}

void EntryScreen::pasteTracklist(int slot)
{
    const QWidget *box = slot >= 0 ? minuteBoxes_.at(slot) : focusWidget();
    notePlace_ = box ? box->mapToGlobal(QPoint(box->width(), 0)) : mapToGlobal(QPoint(0, 0));
    emit tracklistPasted(QGuiApplication::clipboard()->text(), slot);
}

int EntryScreen::focusedSlot() const
{
    const QWidget *focused = focusWidget();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (focused && (focused == minuteBoxes_.at(slot) || focused == secondBoxes_.at(slot)))
            return slot;
    }
    return -1;
}

int EntryScreen::slotAt(QPoint pos) const { return tavelo::slotAt(description_.id, pos); }

bool EntryScreen::takeFileDrag(QDropEvent *drag, int slot, QPoint globalPos)
{
    const QStringList paths = localFiles(drag->mimeData());
    const QStringList disc = paths.isEmpty() ? discUrls(drag->mimeData()) : QStringList();
    if (paths.isEmpty() && disc.isEmpty())
        return false;
    // A drag of files is never typed into a box as its file:// text.
    drag->setDropAction(Qt::CopyAction);
    drag->accept();
    if (drag->type() == QEvent::Drop) {
        notePlace_ = globalPos;
        if (!paths.isEmpty())
            emit filesDropped(paths, slot);
        else
            emit discDropped(disc, slot);
    }
    return true;
}

bool EntryScreen::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto *box = static_cast<QWidget *>(watched);
        auto *drag = static_cast<QDropEvent *>(event);
        if (takeFileDrag(drag, slotAt(box->mapTo(this, QPoint(0, 0))),
                         box->mapToGlobal(drag->position().toPoint())))
            return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void EntryScreen::dragEnterEvent(QDragEnterEvent *event)
{
    if (!takeFileDrag(event, -1, {}))
        event->ignore();
}

void EntryScreen::dragMoveEvent(QDragMoveEvent *event)
{
    if (!takeFileDrag(event, -1, {}))
        event->ignore();
}

void EntryScreen::dropEvent(QDropEvent *event)
{
    const QPoint pos = event->position().toPoint();
    takeFileDrag(event, slotAt(pos), mapToGlobal(pos));
}

void EntryScreen::showNote(const QString &text) { tavelo::showNote(this, notePlace_, text); }

}  // namespace tavelo
