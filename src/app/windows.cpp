#include "app/windows.h"

#include "app/taveloform.h"
#include "dialogs/totalform.h"
#include "entry/entryscreen.h"
#include "entry/screentable.h"

#include <QApplication>
#include <QHash>
#include <QPointer>

#include <utility>

namespace tavelo::windows {
namespace {

QHash<QString, QPointer<QWidget>> &registry()
{
    static QHash<QString, QPointer<QWidget>> open;
    return open;
}

EndProgramHandler &endHandler()
{
    static EndProgramHandler handler;
    return handler;
}

}  // namespace

QWidget *find(const QString &name)
{
    return registry().value(name);
}

QWidget *show(const QString &name, const std::function<QWidget *()> &create)
{
    QWidget *window = find(name);
    if (!window) {
        window = create();
        registry().insert(name, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void forget(QWidget *window)
{
    for (auto it = registry().begin(); it != registry().end();) {
        if (it.value() == window || it.value().isNull())
            it = registry().erase(it);
        else
            ++it;
    }
}

TaveloForm *mainWindow()
{
    if (auto *main = qobject_cast<TaveloForm *>(find(TaveloForm::kName)))
        return main;
    return static_cast<TaveloForm *>(show(TaveloForm::kName, [] { return new TaveloForm; }));
}

TotalForm *showTotalForm()
{
    return static_cast<TotalForm *>(
        show(TotalForm::kName, [] { return new TotalForm; }));
}

EntryScreen *showScreen(ScreenId id)
{
    const ScreenDescription &desc = screenDescription(id);
    return static_cast<EntryScreen *>(
        show(desc.name, [&desc] { return new EntryScreen(desc); }));
}

EntryScreen *findScreen(ScreenId id)
{
    return qobject_cast<EntryScreen *>(find(screenDescription(id).name));
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

EndProgramHandler setEndProgramHandler(EndProgramHandler handler)
{
    return std::exchange(endHandler(), std::move(handler));
}

}  // namespace tavelo::windows
