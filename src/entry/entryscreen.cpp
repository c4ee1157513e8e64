#include "entry/entryscreen.h"

#include "calc/calculation.h"
#include "entry/handoff.h"
#include "entry/labelfit.h"
#include "entry/rowcheck.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace tavelo {
namespace {

const QString kCaption = QStringLiteral("録音済み時間");
constexpr int kLabelSize = 255;
constexpr int kBoxWidth = 495;
constexpr int kBoxHeight = 270;
constexpr int kUnitGap = 225;
constexpr int kButtonHeight = 375;
constexpr QRgb kRowLabelBlue = 0x0000FF;

void setTextColour(QWidget *widget, QRgb colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, QColor(colour));
    widget->setPalette(pal);
}

// Array names carry their index, as Label5(3) or Text1(17).
QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

}  // namespace

EntryScreen::EntryScreen(const ScreenDescription &desc)
    : FormWindow(QString::fromLatin1(desc.name), kCaption,
                 QSize(fromTwips(desc.width), fromTwips(desc.height)), Frame::Tool),
      description_(desc)
{
    setBackgroundColour(QColor(desc.background));
    buildLabels();
    buildRows();
    buildButtons();
    if (QLineEdit *first = minuteBoxes_.at(firstVisibleSlot(desc)))
        first->setFocus();
}

void EntryScreen::buildLabels()
{
    const auto &d = description_;
    for (const LabelDescription *label : {&d.heading, &d.secondLine, &d.note}) {
        if (!label->name)
            continue;
        const bool isNote = label->height > kLabelSize;
        QLabel *widget = addLabel(QString::fromLatin1(label->name), QString::fromUtf8(label->text),
                                  twipsRect(label->left, label->top, label->width, label->height),
                                  isNote ? new NoteLabel(this) : nullptr);
        if (!label->useDefaultColour)
            setTextColour(widget, label->colour);
        if (label->rowLabelFont)
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
    const int first = firstVisibleSlot(description_);
    QWidget *previous = nullptr;
    for (int row = 0; row < kRowsPerPage; ++row) {
        const int slot = first + row;
        const int top = description_.firstRowTop + row * kRowPitch;
        const int song = slot + 1;
        // On page-1 and correction screens index 1 of Label5 is the note, so
        // rows 2 to 15 use the indices 2 to 15; page-2 rows use 0 to 14.
        const int labelIndex = description_.role == ScreenRole::PageTwo ? row : (row == 0 ? 0 : row + 1);
        QLabel *label = addLabel(indexed("Label5", labelIndex), QString::number(song),
                                 twipsRect(description_.rowLabelLeft, top, kLabelSize, kLabelSize));
        label->setFont(screenFont(true));
        setTextColour(label, kRowLabelBlue);

        QLineEdit *minutes = addLineEdit(indexed("Text1", slot),
                                         twipsRect(description_.minuteLeft, top, kBoxWidth, kBoxHeight));
        QLineEdit *seconds = addLineEdit(indexed("Text2", slot),
                                         twipsRect(description_.secondLeft, top, kBoxWidth, kBoxHeight));
        minutes->setAccessibleName(QStringLiteral("%1曲目の分").arg(song));
        seconds->setAccessibleName(QStringLiteral("%1曲目の秒").arg(song));
        label->setBuddy(minutes);
        minuteBoxes_.at(slot) = minutes;
        secondBoxes_.at(slot) = seconds;
        if (previous)
            setTabOrder(previous, minutes);
        setTabOrder(minutes, seconds);
        previous = seconds;
    }
    const int top = description_.firstRowTop;
    addLabel(QStringLiteral("Label2"), QStringLiteral("分"),
             twipsRect(description_.minuteLeft + kBoxWidth + kUnitGap, top, kLabelSize, kLabelSize));
    addLabel(QStringLiteral("Label3"), QStringLiteral("秒"),
             twipsRect(description_.secondLeft + kBoxWidth + kUnitGap, top, kLabelSize, kLabelSize));
}

void EntryScreen::buildButtons()
{
    for (const ButtonDescription &b : description_.buttons) {
        QPushButton *widget = addButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                        twipsRect(b.left, description_.buttonTop, b.width, kButtonHeight));
        const char *name = b.name;
        connect(widget, &QPushButton::clicked, this, [this, name] { onButton(name); });
    }
    QWidget *previous = secondBoxes_.at(firstVisibleSlot(description_) + kRowsPerPage - 1);
    for (const char *name : description_.buttonTabOrder) {
        QPushButton *next = button(name);
        setTabOrder(previous, next);
        previous = next;
    }
    if (description_.defaultButton)
        setDefaultButton(button(description_.defaultButton));
    if (description_.cancelButton)
        setCancelButton(button(description_.cancelButton));
}

void EntryScreen::onButton(const char *name)
{
    QPushButton *pressed = button(name);
    if (std::strcmp(name, "Command1") == 0)
        continueOnPageTwo(*this, pressed);
    else if (std::strcmp(name, "Command4") == 0)
        correctOnPageTwo(*this, pressed);
    else if (std::strcmp(name, "Command2") == 0)
        calculate(*this, pressed);
    else
        close();
}

QPushButton *EntryScreen::button(const char *name) const
{
    return findChild<QPushButton *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QString EntryScreen::minuteText(int slot) const
{
    if (const QLineEdit *box = minuteBoxes_.at(slot))
        return box->text();
    return carryMinutes_.at(slot);
}

QString EntryScreen::secondText(int slot) const
{
    if (const QLineEdit *box = secondBoxes_.at(slot))
        return box->text();
    return carrySeconds_.at(slot);
}

void EntryScreen::setMinuteText(int slot, const QString &text)
{
    if (QLineEdit *box = minuteBoxes_.at(slot))
        box->setText(text);
    else
        carryMinutes_.at(slot) = text;
}

void EntryScreen::setSecondText(int slot, const QString &text)
{
    if (QLineEdit *box = secondBoxes_.at(slot))
        box->setText(text);
    else
        carrySeconds_.at(slot) = text;
}

void EntryScreen::setSlot(int slot, const QString &minutes, const QString &seconds)
{
    setMinuteText(slot, minutes);
    setSecondText(slot, seconds);
}

bool EntryScreen::isBlankRow(int slot) const
{
    return tavelo::isBlankRow(minuteText(slot).toStdString(), secondText(slot).toStdString());
}

void EntryScreen::setZeroRow(int slot)
{
    setSlot(slot, QStringLiteral("0"), QStringLiteral("0"));
}

}  // namespace tavelo
