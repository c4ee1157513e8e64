// SPDX-License-Identifier: MIT

// The windows on a real X server under a real window manager (openbox), as a
// user meets them: pointer clicks and keys go in through the X server
// (xdotool), and what the window manager made of the windows is read back
// from the X properties (xprop, xwininfo). Run it through run_under_wm.sh.

#include "app/appsetup.h"
#include "app/program.h"
#include "core/model.h"
#include "support/valuetest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMargins>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

using tavelo::ScreenId;

namespace {

const QString kMain = QStringLiteral("TaveloForm");
const QString kTotalForm = QStringLiteral("TotalForm");
const QString kEntry = valuetest::screenName(ScreenId::Entry);
const QString kTotalEntry = valuetest::screenName(ScreenId::TotalEntry);
const QString kSides = QStringLiteral("SidesForm");
const QString kErrorTitle = QStringLiteral("エラー");
const QString kBadCapacity = QStringLiteral("録音可能時間の入力が間違ってます。");

// Milliseconds the window manager and the program get to answer a click or a
// key, and to frame and place a new window. Qt Test waits three times as long
// before it reports a wait that failed.
constexpr int kReaction = 2000;
constexpr int kPlacement = 5000;

// ---- The X server, seen through its tools ---------------------------------

// What an X tool printed; nothing (with a warning that says why) when it
// failed or hung.
std::optional<QString> tool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(5000);
    if (!finished)
        process.kill();
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.waitForFinished();
        qWarning("%s %s failed: %s", qPrintable(program),
                 qPrintable(arguments.join(QLatin1Char(' '))),
                 finished ? process.readAllStandardError().constData() : "no answer within 5 s");
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool xdotool(const QStringList &arguments)
{
    return tool(QStringLiteral("xdotool"), arguments).has_value();
}

QString hexId(WId id) { return QStringLiteral("0x%1").arg(id, 0, 16); }

// The numbers of a property as xprop prints it ("NAME(TYPE) = 1, 2" or
// "NAME(WINDOW): window id # 0x1, 0x2"); none when the property is not set.
QList<qulonglong> numbers(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("0x[0-9a-fA-F]+|\\d+"));
    QList<qulonglong> values;
    const qsizetype type = text.indexOf(QLatin1Char(')'));
    if (type >= 0)
        for (const auto &match : number.globalMatch(text.mid(type + 1)))
            values << match.captured().toULongLong(nullptr, 0);
    return values;
}

QString rootProperty(const char *name)
{
    return tool(QStringLiteral("xprop"), {QStringLiteral("-root"), QLatin1String(name)})
        .value_or(QString());
}

QString windowProperty(WId id, const char *name)
{
    return tool(QStringLiteral("xprop"), {QStringLiteral("-id"), hexId(id), QLatin1String(name)})
        .value_or(QString());
}

// The windows the window manager manages, bottom to top.
QList<WId> stacking()
{
    QList<WId> ids;
    for (qulonglong id : numbers(rootProperty("_NET_CLIENT_LIST_STACKING")))
        ids << WId(id);
    return ids;
}

WId focusedWindow()
{
    return tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")})
        .value_or(QString())
        .trimmed()
        .toULongLong();
}

QPoint pointerPosition()
{
    static const QRegularExpression x(QStringLiteral("X=(\\d+)")), y(QStringLiteral("Y=(\\d+)"));
    const QString shell = tool(QStringLiteral("xdotool"),
                               {QStringLiteral("getmouselocation"), QStringLiteral("--shell")})
                              .value_or(QString());
    return QPoint(x.match(shell).captured(1).toInt(), y.match(shell).captured(1).toInt());
}

// The client area as the X server has it, in root coordinates.
QRect clientRect(WId id)
{
    const QString info =
        tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hexId(id)}).value_or(QString());
    if (info.isEmpty())
        return {};
    auto field = [&info](const char *label) {
        return QRegularExpression(QLatin1String(label) + QStringLiteral(":\\s*(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height"));
}

// The borders the window manager put around a window, once it has framed it.
std::optional<QMargins> frameExtents(WId id)
{
    const QList<qulonglong> v =
        numbers(windowProperty(id, "_NET_FRAME_EXTENTS"));  // left, right, top, bottom
    if (v.size() != 4)
        return std::nullopt;
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// ---- Our windows on the X server ------------------------------------------

QWidget *window(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// The X window of one of our windows; 0 while it has none (never makes one).
WId xid(const QWidget *w) { return w ? w->internalWinId() : 0; }

QString nameOf(WId id)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (id && xid(w) == id)
            return w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className())
                                             : w->objectName();
    return hexId(id);
}

QString stackingText()
{
    QStringList names;
    for (WId id : stacking())
        names << nameOf(id);
    return QStringLiteral("stacking bottom to top: ") + names.join(QStringLiteral(" < "));
}

bool isAbove(const QWidget *upper, const QWidget *lower)
{
    const QList<WId> ids = stacking();
    const qsizetype u = ids.indexOf(xid(upper));
    return u >= 0 && ids.indexOf(xid(lower)) >= 0 && u > ids.indexOf(xid(lower));
}

// In front of all our other windows.
bool isTopOfOurs(const QWidget *w)
{
    QList<WId> ours;
    for (WId id : stacking())
        for (QWidget *other : QApplication::topLevelWidgets())
            if (xid(other) == id)
                ours << id;
    return !ours.isEmpty() && ours.last() == xid(w);
}

// The window with its frame, in root coordinates; null before it is framed.
QRect frameRect(const QWidget *w)
{
    const std::optional<QMargins> extents = frameExtents(xid(w));
    const QRect client = clientRect(xid(w));
    return extents && !client.isNull() ? client.marginsAdded(*extents) : QRect();
}

// Where Qt believes a window is, in the X server's device pixels.
QRect qtRect(const QWidget *w)
{
    const qreal ratio = w->devicePixelRatioF();
    const QPoint topLeft = w->mapToGlobal(QPoint(0, 0));
    return QRect(qRound(topLeft.x() * ratio), qRound(topLeft.y() * ratio),
                 qRound(w->width() * ratio), qRound(w->height() * ratio));
}

// Mapped, framed, stacked, and where Qt believes it is, so that a click at a
// mapToGlobal point lands where it is meant to.
bool isPlaced(const QWidget *w)
{
    return w && xid(w) && stacking().contains(xid(w)) && frameExtents(xid(w)) &&
           clientRect(xid(w)) == qtRect(w);
}

bool hasKeyboardFocus(const QWidget *w)
{
    return QApplication::activeWindow() == w && focusedWindow() == xid(w);
}

QString text(QPoint p) { return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y()); }

QString text(const QRect &r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

QString placementText(const QWidget *w)
{
    if (!w)
        return QStringLiteral("the window is not open");
    return QStringLiteral("%1 is not framed where Qt has it: X %2, Qt %3; %4")
        .arg(w->objectName(), text(clientRect(xid(w))), text(qtRect(w)), stackingText());
}

// Every window the window manager puts on the root window (its frames), as
// seen on an X connection of the test's own: where each stands when it is
// mapped and every later change of its position, with the milliseconds
// since the watch began. Events are read as they come, so the times hold to
// a few milliseconds.
class FrameWatch {
public:
    FrameWatch() : connection_(xcb_connect(nullptr, nullptr), &xcb_disconnect)
    {
        clock_.start();
        if (xcb_connection_has_error(connection_.get()))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(connection_.get(),
                              xcb_change_window_attributes_checked(connection_.get(), root_,
                                                                   XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        if (error)
            return;
        notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_.get()),
                                                      QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { read(); });
    }

    bool isWatching() const { return notifier_ != nullptr; }

    // The window manager's frame around `client`: the child of the root
    // window that holds it; 0 when it is not framed.
    xcb_window_t frameOf(WId client)
    {
        read();
        auto window = static_cast<xcb_window_t>(client);
        while (window) {
            const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
                xcb_query_tree_reply(connection_.get(), xcb_query_tree(connection_.get(), window),
                                     nullptr),
                &std::free);
            if (!tree || tree->parent == XCB_WINDOW_NONE)
                return 0;
            if (tree->parent == root_)
                return window == static_cast<xcb_window_t>(client) ? 0 : window;
            window = tree->parent;
        }
        return 0;
    }

    // Where `frame` stood when it was first mapped and each move after that,
    // one a line; a line saying so when it was never seen mapped.
    QStringList movesAfterMap(xcb_window_t frame)
    {
        read();
        QStringList moves;
        std::optional<QPoint> position, mapped;
        for (const Event &event : std::as_const(events_)) {
            if (event.window != frame)
                continue;
            if (event.map && !mapped) {
                mapped = position;
                moves << QStringLiteral("mapped at %1 at %2 ms")
                             .arg(text(position.value_or(QPoint())))
                             .arg(event.milliseconds);
            } else if (!event.map) {
                if (mapped && event.position != *position)
                    moves << QStringLiteral("moved to %1 at %2 ms")
                                 .arg(text(event.position))
                                 .arg(event.milliseconds);
                position = event.position;
            }
        }
        if (!mapped)
            moves << QStringLiteral("the frame %1 was never seen mapped").arg(hexId(frame));
        return moves;
    }

private:
    struct Event {
        xcb_window_t window;
        bool map;         // a map, otherwise a creation or a configure
        QPoint position;  // where a creation or configure put the window
        qint64 milliseconds;
    };

    void read()
    {
        while (xcb_generic_event_t *raw = xcb_poll_for_event(connection_.get())) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
            const qint64 now = clock_.elapsed();
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                const auto *create = reinterpret_cast<xcb_create_notify_event_t *>(raw);
                if (create->parent == root_)
                    events_.append({create->window, false, QPoint(create->x, create->y), now});
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto *configure = reinterpret_cast<xcb_configure_notify_event_t *>(raw);
                if (configure->event == root_)
                    events_.append(
                        {configure->window, false, QPoint(configure->x, configure->y), now});
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(raw);
                if (map->event == root_)
                    events_.append({map->window, true, QPoint(), now});
                break;
            }
            default: break;
            }
        }
    }

    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::unique_ptr<QSocketNotifier> notifier_;
    QElapsedTimer clock_;
    QList<Event> events_;
};

// ---- The user's hands -----------------------------------------------------

bool clickAt(const QWidget *w, QPoint local)
{
    // X counts device pixels.
    const QPoint global = w->mapToGlobal(local) * w->devicePixelRatioF();
    // mousemove --sync waits for the pointer to move, for ever when it is
    // there already.
    if (pointerPosition() == global)
        return xdotool({QStringLiteral("click"), QStringLiteral("1")});
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                    QString::number(global.x()), QString::number(global.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

bool clickCentre(const QWidget *w) { return w && clickAt(w, w->rect().center()); }

bool typeKeys(const QString &keys)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), keys});
}

bool pressKey(const char *key) { return xdotool({QStringLiteral("key"), QLatin1String(key)}); }

// A point of `w`'s own background (no control under it) well outside
// `cover`, searched from the left edge inwards.
std::optional<QPoint> uncoveredPoint(const QWidget *w, const QRect &cover)
{
    const QRect shunned = cover.adjusted(-6, -6, 6, 6);
    for (int x = 6; x < w->width() - 6; x += 4)
        for (int y = 6; y < w->height() - 6; y += 4)
            if (!w->childAt(x, y) && !shunned.contains(w->mapToGlobal(QPoint(x, y))))
                return QPoint(x, y);
    return std::nullopt;
}

bool waitFor(const std::function<bool()> &condition, int milliseconds)
{
    return QTest::qWaitFor(condition, milliseconds);
}

// Closes the real modal error box as a user does: Return, once the box has
// the keyboard focus. Arm it before the click that opens the box: that click
// runs the box's own event loop, where only timers get a turn. A box that
// never gets the focus is closed from inside after a while and the fault
// noted, so that the test fails instead of hanging.
class ErrorBoxCloser : public QObject {
public:
    ErrorBoxCloser()
    {
        connect(&timer_, &QTimer::timeout, this, &ErrorBoxCloser::poll);
        timer_.start(50);
        clock_.start();
    }

    bool finished = false;  // the box came and went, or never came
    bool seen = false;
    QString title, text, fault;
    bool onlyOk = false;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (seen || clock_.elapsed() > kPlacement) {
                finished = true;
                timer_.stop();
            }
            return;
        }
        if (!seen) {
            seen = true;
            title = box->windowTitle();
            text = box->text();
            onlyOk = box->buttons().size() == 1 &&
                     box->standardButton(box->buttons().first()) == QMessageBox::Ok;
            shownAt_ = clock_.elapsed();
        }
        if (returnAt_ < 0 && hasKeyboardFocus(box)) {
            pressKey("Return");
            returnAt_ = clock_.elapsed();
        } else if (returnAt_ >= 0 ? clock_.elapsed() - returnAt_ > 3000
                                  : clock_.elapsed() - shownAt_ > 8000) {
            fault =
                returnAt_ >= 0
                    ? QStringLiteral("Return did not close the error box")
                    : QStringLiteral("the error box never got the keyboard focus (X focus on %1)")
                          .arg(nameOf(focusedWindow()));
            box->done(QMessageBox::Ok);
        }
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 shownAt_ = -1;
    qint64 returnAt_ = -1;
};

}  // namespace

// Waits until the window manager has placed a window of ours.
#define WAIT_PLACED(w)                                                                             \
    QTRY_VERIFY2_WITH_TIMEOUT(isPlaced(w), qPrintable(placementText(w)), kPlacement)

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickedMainWindowComesToFront();
    void capacityButtonReachableOverScreen();
    void keysAfterRefusedCapacityReachMainWindow();
    void taskbarEntries();
    void framedWindowCentred_data();
    void framedWindowCentred();
    void windowStaysWhereItAppears_data();
    void windowStaysWhereItAppears();
    void realDropFromAnotherProgram();

private:
    QWidget *openTotalEntryByClick();

    tavelo::Program program_;
    QPointer<QWidget> main_;

    QWidget *openEntryByClicks();
    bool typeRowsByKeys(QWidget *screen, const QStringList &rows);
    QString calculateByClick(QWidget *screen);
};

void DesktopTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY2(rootProperty("_NET_SUPPORTING_WM_CHECK").contains(QStringLiteral("window id #")),
             "no window manager runs on this display: start the test through run_under_wm.sh");
}

// Every test starts with the main window alone, new, placed and focused.
void DesktopTest::init()
{
    program_.start();
    main_ = window(kMain);
    QVERIFY2(main_, "the main window did not open");
    WAIT_PLACED(main_);
    QTRY_VERIFY2_WITH_TIMEOUT(
        hasKeyboardFocus(main_),
        qPrintable(QStringLiteral("the new main window did not get the focus (X focus on %1)")
                       .arg(nameOf(focusedWindow()))),
        kPlacement);
}

// Deletes every window, the main window last, and waits until the window
// manager has let them go. Deleting rather than closing keeps the main window
// from ending the program.
void DesktopTest::cleanup()
{
    QList<WId> ids;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (xid(w))
            ids << xid(w);
    }
    program_.closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto gone = [&ids] {
        const QList<WId> managed = stacking();
        return std::none_of(ids.begin(), ids.end(),
                            [&managed](WId id) { return managed.contains(id); });
    };
    QTRY_VERIFY2_WITH_TIMEOUT(gone(), "the window manager still lists closed windows", kPlacement);
}

// NyuryokuForm4 opened by a click on 収録時間の合計を入力, placed and in front;
// null when it does not get there.
QWidget *DesktopTest::openTotalEntryByClick()
{
    if (!clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Goukei"))))
        return nullptr;
    QWidget *screen = nullptr;
    const bool inFront = waitFor(
        [&screen] {
            return (screen = window(kTotalEntry)) && isPlaced(screen) && isTopOfOurs(screen);
        },
        kPlacement);
    return inFront ? screen : nullptr;
}

// A click on the main window where an open screen leaves it visible brings
// the main window in front of the screen.
void DesktopTest::clickedMainWindowComesToFront()
{
    QWidget *screen = openTotalEntryByClick();
    QVERIFY2(screen,
             qPrintable(
                 QStringLiteral("収録時間の合計を入力 did not bring NyuryokuForm4 up in front; ") +
                 stackingText()));

    const QRect cover = frameRect(screen);
    const QRect mainFrame = frameRect(main_);
    QVERIFY2(cover.contains(mainFrame.center()),
             qPrintable(
                 QStringLiteral("NyuryokuForm4 %1 should lie over the middle of the main window %2")
                     .arg(text(cover), text(mainFrame))));
    const std::optional<QPoint> strip = uncoveredPoint(main_, cover);
    QVERIFY2(strip, qPrintable(QStringLiteral("NyuryokuForm4 %1 hides the whole main window %2")
                                   .arg(text(cover), text(mainFrame))));

    QVERIFY(clickAt(main_, *strip));
    QTRY_VERIFY2_WITH_TIMEOUT(
        isAbove(main_, screen),
        qPrintable(QStringLiteral(
                       "after a click on the main window at %1 it stays behind NyuryokuForm4; %2")
                       .arg(text(main_->mapToGlobal(*strip)), stackingText())),
        kReaction);
}

// 録音可能時間入力 opens TotalForm also while NyuryokuForm4 stands over it: the
// user clicks the main window first to bring it forward.
void DesktopTest::capacityButtonReachableOverScreen()
{
    QWidget *screen = openTotalEntryByClick();
    QVERIFY2(screen,
             qPrintable(
                 QStringLiteral("収録時間の合計を入力 did not bring NyuryokuForm4 up in front; ") +
                 stackingText()));
    auto *total = main_->findChild<QPushButton *>(QStringLiteral("Total"));
    QVERIFY(total);
    const QPoint centre = total->mapToGlobal(total->rect().center());

    QString raised = QStringLiteral("the button was not covered");
    if (frameRect(screen).contains(centre)) {
        const std::optional<QPoint> strip = uncoveredPoint(main_, frameRect(screen));
        QVERIFY2(strip, "NyuryokuForm4 hides the whole main window");
        QVERIFY(clickAt(main_, *strip));
        raised = waitFor([&] { return isAbove(main_, screen); }, kReaction)
                     ? QStringLiteral("a click on the main window brought it forward")
                     : QStringLiteral("a click on the main window left it behind NyuryokuForm4");
    }

    QVERIFY(clickCentre(total));
    QWidget *dialog = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (dialog = window(kTotalForm)),
        qPrintable(
            QStringLiteral("a click on 録音可能時間入力 at %1 did not open TotalForm (%2); %3")
                .arg(text(centre), raised, stackingText())),
        kReaction);
    WAIT_PLACED(dialog);
    QTRY_VERIFY2_WITH_TIMEOUT(
        isTopOfOurs(dialog),
        qPrintable(QStringLiteral("TotalForm opened behind another window; ") + stackingText()),
        kReaction);
}

// After the error box refuses an unreadable tape capacity, the next keys the
// user types go into the capacity box of the main window, which stands in
// front with the keyboard focus.
void DesktopTest::keysAfterRefusedCapacityReachMainWindow()
{
    // A capacity of 46, accepted through TotalForm as a user types it.
    QVERIFY(clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Total"))));
    QWidget *dialog = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT((dialog = window(kTotalForm)),
                              "録音可能時間入力 did not open TotalForm", kReaction);
    WAIT_PLACED(dialog);
    const WId dialogId = xid(dialog);
    QTRY_VERIFY2_WITH_TIMEOUT(hasKeyboardFocus(dialog), "TotalForm did not get the keyboard focus",
                              kReaction);
    QVERIFY(typeKeys(QStringLiteral("46")));
    QVERIFY(pressKey("Return"));
    QTRY_VERIFY2_WITH_TIMEOUT(!window(kTotalForm) && !stacking().contains(dialogId),
                              "46 and Return in TotalForm did not close it", kReaction);
    auto *totaltxt = main_->findChild<QLineEdit *>(QStringLiteral("Totaltxt"));
    QVERIFY(totaltxt);
    QCOMPARE(totaltxt->text(), QStringLiteral("46"));

    QVERIFY(clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Nyuryoku"))));
    QWidget *screen = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT((screen = window(kEntry)), "録音時間入力 did not open NyuryokuForm",
                              kReaction);
    WAIT_PLACED(screen);
    QTRY_VERIFY2_WITH_TIMEOUT(hasKeyboardFocus(screen),
                              "NyuryokuForm did not get the keyboard focus", kReaction);

    totaltxt->setText(QStringLiteral("abc"));
    ErrorBoxCloser closer;
    QVERIFY(clickCentre(screen->findChild<QPushButton *>(QStringLiteral("Command2"))));
    QTRY_VERIFY_WITH_TIMEOUT(closer.finished, 15000);
    QVERIFY2(closer.seen, "残り時間を出す with the capacity \"abc\" showed no error box");
    QVERIFY2(closer.fault.isEmpty(), qPrintable(closer.fault));
    QCOMPARE(closer.title, kErrorTitle);
    QCOMPARE(closer.text, kBadCapacity);
    QVERIFY2(closer.onlyOk, "the error box has other buttons than one OK");

    // The user takes a moment before typing on; the window manager too.
    waitFor([this] { return hasKeyboardFocus(main_) && isTopOfOurs(main_); }, 2000);
    QVERIFY(typeKeys(QStringLiteral("46")));
    QTRY_COMPARE_WITH_TIMEOUT(totaltxt->text(), QStringLiteral("abc46"), kReaction);
    QVERIFY2(isTopOfOurs(main_),
             qPrintable(QStringLiteral("the main window is not in front after the error box; ") +
                        stackingText()));
    QVERIFY2(focusedWindow() == xid(main_),
             qPrintable(QStringLiteral("the X keyboard focus is on %1, not on the main window")
                            .arg(nameOf(focusedWindow()))));
}

// Only the main window has a taskbar entry, and no window is owned by another.
void DesktopTest::taskbarEntries()
{
    QStringList names{kMain, kTotalForm, kSides};
    program_.showCapacityDialog();
    program_.showSidesWindow();
    for (ScreenId id : tavelo::kAllScreens) {
        program_.showScreen(id);
        names << valuetest::screenName(id);
    }
    for (const QString &name : std::as_const(names)) {
        QTRY_VERIFY2_WITH_TIMEOUT(window(name), qPrintable(name + QStringLiteral(" did not open")),
                                  kReaction);
        WAIT_PLACED(window(name));
    }

    // One line per kind of fault, naming every window that has it.
    QStringList offTaskbar, onTaskbar, owned;
    for (const QString &name : std::as_const(names)) {
        const WId id = xid(window(name));
        const QString state = windowProperty(id, "_NET_WM_STATE");
        const bool skipsTaskbar = state.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"));
        const bool skipsPager = state.contains(QStringLiteral("_NET_WM_STATE_SKIP_PAGER"));
        if (name == kMain && skipsTaskbar)
            offTaskbar << name;
        if (name != kMain && !(skipsTaskbar && skipsPager))
            onTaskbar << name;
        if (const QList<qulonglong> owner = numbers(windowProperty(id, "WM_TRANSIENT_FOR"));
            !owner.isEmpty())
            owned << name + QStringLiteral(" by ") + nameOf(WId(owner.first()));
    }
    QStringList faults;
    if (!offTaskbar.isEmpty())
        faults << QStringLiteral("kept off the taskbar: ") + offTaskbar.join(QStringLiteral(", "));
    if (!onTaskbar.isEmpty())
        faults << QStringLiteral("no _NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER: ") +
                      onTaskbar.join(QStringLiteral(", "));
    if (!owned.isEmpty())
        faults << QStringLiteral("owned (WM_TRANSIENT_FOR): ") + owned.join(QStringLiteral(", "));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void DesktopTest::framedWindowCentred_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("main window") << kMain;
    QTest::newRow("capacity dialog") << kTotalForm;
    QTest::newRow("entry screen") << kTotalEntry;
    QTest::newRow("A面・B面 window") << kSides;
}

// A window with its frame stands in the middle of the work area, to a pixel.
void DesktopTest::framedWindowCentred()
{
    QFETCH(QString, name);
    if (name == kTotalForm)
        program_.showCapacityDialog();
    else if (name == kTotalEntry)
        program_.showScreen(ScreenId::TotalEntry);
    else if (name == kSides)
        QVERIFY(pressKey("ctrl+b"));  // on the main window, which has the focus
    QTRY_VERIFY2_WITH_TIMEOUT(window(name), qPrintable(name + QStringLiteral(" did not open")),
                              kReaction);
    QWidget *w = window(name);
    WAIT_PLACED(w);

    const QList<qulonglong> area = numbers(rootProperty("_NET_WORKAREA"));
    QVERIFY2(area.size() >= 4, "the window manager publishes no work area");
    const QRect workArea{int(area[0]), int(area[1]), int(area[2]), int(area[3])};
    // Twice the distance between the centres, in whole device pixels, within
    // one logical pixel (a window stands on whole logical pixels, its frame
    // need not). Where the window manager tells no frame beforehand, the
    // window is centred once more when its frame becomes known: wait for it.
    const int allowed = qRound(2 * w->devicePixelRatioF());
    const auto offCentre = [&] {
        const QRect frame = frameRect(w);
        return QPoint((frame.left() * 2 + frame.width()) - (workArea.left() * 2 + workArea.width()),
                      (frame.top() * 2 + frame.height()) -
                          (workArea.top() * 2 + workArea.height()));
    };
    waitFor([&] { return qAbs(offCentre().x()) <= allowed && qAbs(offCentre().y()) <= allowed; },
            kReaction);
    const QRect frame = frameRect(w);
    const QPoint off = offCentre();
    QVERIFY2(
        qAbs(off.x()) <= allowed && qAbs(off.y()) <= allowed,
        qPrintable(
            QStringLiteral(
                "%1 with its frame is %2 (%3), its centre off the work area's %4 by %5, %6 pixels")
                .arg(name, text(frame), windowProperty(xid(w), "_NET_FRAME_EXTENTS").trimmed(),
                     text(workArea))
                .arg(off.x() / 2.0)
                .arg(off.y() / 2.0)));
}

void DesktopTest::windowStaysWhereItAppears_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");  // on the main window, or
    QTest::addColumn<QString>("keys");    // typed there; neither for the main window itself
    QTest::newRow("main window") << kMain << QString() << QString();
    QTest::newRow("capacity dialog") << kTotalForm << QStringLiteral("Total") << QString();
    QTest::newRow("entry screen") << kTotalEntry << QStringLiteral("Goukei") << QString();
    QTest::newRow("A面・B面 window") << kSides << QString() << QStringLiteral("ctrl+b");
}

// A window appears where it stays: once the window manager has mapped its
// frame, nothing moves it, so that neither the user nor a quick robot sees
// its boxes jump.
void DesktopTest::windowStaysWhereItAppears()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    QFETCH(QString, keys);
    if (name == kMain) {
        // Opened again while the frames are watched.
        const WId old = xid(main_);
        program_.closeAll();
        QTRY_VERIFY2_WITH_TIMEOUT(!stacking().contains(old), "the main window did not close",
                                  kPlacement);
    }
    FrameWatch watch;
    QVERIFY2(watch.isWatching(), "cannot watch the root window on a connection of our own");
    if (name == kMain)
        program_.start();
    else if (!keys.isEmpty())
        QVERIFY(pressKey(qPrintable(keys)));
    else
        QVERIFY(clickCentre(main_->findChild<QPushButton *>(button)));
    QWidget *w = nullptr;
    QTRY_VERIFY2_WITH_TIMEOUT((w = window(name)),
                              qPrintable(name + QStringLiteral(" did not open")), kReaction);
    if (name == kMain)
        main_ = w;
    WAIT_PLACED(w);
    // A window that is centred again once its frame is known moves within a
    // few tens of milliseconds; wait well beyond that.
    QTest::qWait(600);

    const xcb_window_t frame = watch.frameOf(xid(w));
    QVERIFY2(frame, qPrintable(name + QStringLiteral(" has no frame")));
    const QStringList moves = watch.movesAfterMap(frame);
    QVERIFY2(
        moves.size() == 1 && moves.first().startsWith(QStringLiteral("mapped")),
        qPrintable(
            QStringLiteral("the frame of %1: %2").arg(name, moves.join(QStringLiteral(", ")))));
}

// ---- Files dropped from another program -----------------------------------

namespace {

QLineEdit *box(const QWidget *screen, const char *name, int slot)
{
    return screen ? screen->findChild<QLineEdit *>(
                        QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(slot))
                  : nullptr;
}

// The fifteen rows of a page-1 screen as "minutes|seconds".
QStringList rowTexts(const QWidget *screen)
{
    QStringList texts;
    for (int slot = 0; slot < 15; ++slot)
        texts << box(screen, "Text1", slot)->text() + QLatin1Char('|') +
                     box(screen, "Text2", slot)->text();
    return texts;
}

// The drag source program, started with the files it is to offer; stopped
// when it goes out of scope.
class DragSource {
public:
    explicit DragSource(const QStringList &files)
    {
        process_.start(QStringLiteral(TAVELO_DRAGSOURCE), files);
    }
    ~DragSource()
    {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // What it printed so far.
    QString output()
    {
        output_ += QString::fromUtf8(process_.readAllStandardOutput());
        return output_;
    }

    // Its X window, once it has told it.
    WId window()
    {
        static const QRegularExpression line(QStringLiteral("window (0x[0-9a-f]+)\n"));
        return line.match(output()).captured(1).toULongLong(nullptr, 16);
    }

    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

private:
    QProcess process_;
    QString output_;
};

bool moveTo(QPoint p)
{
    return pointerPosition() == p || xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                              QString::number(p.x()), QString::number(p.y())});
}

}  // namespace

// NyuryokuForm opened as a user opens it, by clicks and keys: 録音可能時間入力,
// 46 and Return, then 録音時間入力; placed and with the keyboard focus, or null.
QWidget *DesktopTest::openEntryByClicks()
{
    if (!clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Total"))) ||
        !waitFor(
            [] {
                return window(kTotalForm) && isPlaced(window(kTotalForm)) &&
                       hasKeyboardFocus(window(kTotalForm));
            },
            kPlacement) ||
        !typeKeys(QStringLiteral("46")) || !pressKey("Return") ||
        !waitFor([] { return !window(kTotalForm); }, kReaction))
        return nullptr;
    if (!clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Nyuryoku"))))
        return nullptr;
    QWidget *screen = nullptr;
    const bool ready = waitFor(
        [&screen] {
            return (screen = window(kEntry)) && isPlaced(screen) && hasKeyboardFocus(screen);
        },
        kPlacement);
    return ready ? screen : nullptr;
}

// Types rows "minutes|seconds" into a screen's boxes as a user does: a click
// into each box and the keys; empty rows are left alone.
bool DesktopTest::typeRowsByKeys(QWidget *screen, const QStringList &rows)
{
    for (int slot = 0; slot < rows.size(); ++slot) {
        const QStringList parts = rows.at(slot).split(QLatin1Char('|'));
        const std::pair<const char *, QString> boxes[] = {{"Text1", parts.value(0)},
                                                          {"Text2", parts.value(1)}};
        for (const auto &[name, text] : boxes) {
            if (text.isEmpty())
                continue;
            QLineEdit *target = box(screen, name, slot);
            if (!clickCentre(target) || !typeKeys(text) ||
                !waitFor([&] { return target->text() == text; }, kReaction))
                return false;
        }
    }
    return true;
}

// 残り時間を出す clicked; once the screen has closed, List1 and the result
// as "line, line, ... | minutes/seconds", or why not.
QString DesktopTest::calculateByClick(QWidget *screen)
{
    if (!clickCentre(screen->findChild<QPushButton *>(QStringLiteral("Command2"))))
        return QStringLiteral("no click");
    if (!waitFor([] { return !window(kEntry); }, kReaction))
        return QStringLiteral("NyuryokuForm did not close");
    auto *list = main_->findChild<QListWidget *>(QStringLiteral("List1"));
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines.join(QStringLiteral(", ")) + QStringLiteral(" | ") +
           main_->findChild<QLineEdit *>(QStringLiteral("Text3"))->text() + QLatin1Char('/') +
           main_->findChild<QLineEdit *>(QStringLiteral("Text4"))->text();
}

// Files dragged from another program and dropped on row 3 of NyuryokuForm:
// a real XDND drop between two processes, by X pointer input. The times land
// in rows 3 to 5, and 残り時間を出す gives what the same times typed by hand
// give. With TAVELO_DROP_PICTURE set, the filled screen is saved there as a
// PNG picture.
void DesktopTest::realDropFromAnotherProgram()
{
    QWidget *screen = openEntryByClicks();
    QVERIFY2(screen,
             qPrintable(QStringLiteral("NyuryokuForm did not open by clicks; ") + stackingText()));

    const QString folder = QStringLiteral(TAVELO_FIXTURES "/audio/");
    DragSource source({folder + QStringLiteral("tone.flac"), folder + QStringLiteral("tone.ogg"),
                       folder + QStringLiteral("cbr.mp3")});
    WId sourceId = 0;
    QTRY_VERIFY2_WITH_TIMEOUT((sourceId = source.window()) && stacking().contains(sourceId) &&
                                  frameExtents(sourceId) && !clientRect(sourceId).isNull(),
                              qPrintable(QStringLiteral("the drag source did not show: %1 %2")
                                             .arg(source.output(), source.errors())),
                              kPlacement);
    const QRect sourceRect = clientRect(sourceId);
    QVERIFY2(!sourceRect.intersects(frameRect(screen)),
             qPrintable(QStringLiteral("the drag source %1 lies under NyuryokuForm %2")
                            .arg(text(sourceRect), text(frameRect(screen)))));

    // Pressed on the source, dragged over to the minute box of row 3 in a few
    // steps, each answered by the program before the next, and let go there.
    QLineEdit *row3 = box(screen, "Text1", 2);
    const QPoint from = sourceRect.center();
    const QPoint to = row3->mapToGlobal(row3->rect().center());
    QVERIFY(moveTo(from));
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QTest::qWait(300);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        QVERIFY(moveTo(from + (to - from) * step / kSteps));
        QTest::qWait(100);
    }
    QVERIFY(moveTo(to + QPoint(2, 0)));
    QTest::qWait(300);
    QVERIFY(moveTo(to));
    QTest::qWait(300);
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));

    QTRY_VERIFY2_WITH_TIMEOUT(
        source.output().contains(QStringLiteral("dropped ")),
        qPrintable(QStringLiteral("the drag did not end: ") + source.output() + source.errors()),
        kReaction);
    QVERIFY2(source.output().contains(QStringLiteral("dropped copy")),
             qPrintable(QStringLiteral("the program did not take the files: ") + source.output()));
    const QStringList expected{"|", "|", "0|3", "0|1", "0|3", "|", "|", "|",
                               "|", "|", "|",   "|",   "|",   "|", "|"};
    QTRY_COMPARE_WITH_TIMEOUT(rowTexts(screen), expected, 10000);
    QVERIFY(!program_.isReading());
    for (const QLineEdit *edit : screen->findChildren<QLineEdit *>())
        QVERIFY2(!edit->text().contains(QStringLiteral("file:")), qPrintable(edit->objectName()));

    if (const QString picture = qEnvironmentVariable("TAVELO_DROP_PICTURE"); !picture.isEmpty())
        QVERIFY2(screen->grab().save(picture), qPrintable(picture));

    const QString dropped = calculateByClick(screen);
    QWidget *typed = nullptr;
    QVERIFY(clickCentre(main_->findChild<QPushButton *>(QStringLiteral("Nyuryoku"))));
    QTRY_VERIFY_WITH_TIMEOUT((typed = window(kEntry)) && isPlaced(typed), kPlacement);
    QVERIFY(typeRowsByKeys(typed, expected));
    QCOMPARE(dropped, calculateByClick(typed));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tavelo::setUpApplication();
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktop.moc"
