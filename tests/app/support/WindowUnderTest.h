#pragma once

// The whole of Qt Test and Qt Widgets, for every window test.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/support/ScriptedPrompts.h"
#include "app/window/MainWindow.h"
#include "app/window/Settings.h"
#include "interp/Machine.h"

namespace tarvo::app {

// A small screen, 1366 × 768, such as many classroom computers have: for a test's initMain().
inline void onASmallScreen() {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVO_TEST_DATA "/app/small-screen.json");
}

inline void clearSettings() {
    QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).clear();
}

// Points settings and standard paths into an empty scratch folder; false if there is none.
[[nodiscard]] inline bool useScratchHome(const QTemporaryDir& home) {
    if (!home.isValid()) return false;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    clearSettings();
    return true;
}

// Writes a whole file; false if it cannot.
[[nodiscard]] inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A whole file's bytes; "<none>" when it cannot be read.
[[nodiscard]] inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// A window test's scratch home, settings, and window with prompts, made afresh per test.
struct WindowUnderTest {
    QTemporaryDir home;  // the settings store and any files, never the user's own
    Settings settings;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<MainWindow> window;

    [[nodiscard]] bool enterHome() { return useScratchHome(home); }
    // Shown, and on screen unless false; the old window goes first so they never share settings.
    [[nodiscard]] bool openWindow() {
        window.reset();
        prompts = std::make_unique<ScriptedPrompts>();
        window = std::make_unique<MainWindow>(settings, prompts.get());
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
};

// Presses Run and waits for the run to end; false if it never does.
[[nodiscard]] inline bool runsToEnd(MainWindow& window) {
    window.runCommand();
    return QTest::qWaitFor([&window] { return window.machine().idle(); }, 10000);
}

// The item with this caption in a menu or any of its submenus, or null.
inline QAction* menuItem(const QMenu& menu, const QString& caption) {
    for (QAction* item : menu.actions()) {
        if (item->text() == caption) return item;
        if (QAction* inner = item->menu() ? menuItem(*item->menu(), caption) : nullptr)
            return inner;
    }
    return nullptr;
}

// The item of the teaching menu with this caption, or null.
inline QAction* teachingItem(const MainWindow& window, const QString& caption) {
    return menuItem(*window.menus().teachMenu, caption);
}

// The dock's panel opened from the teaching menu; null unless it was closed before, open after.
template <class Panel>
Panel* openTeachingPanel(MainWindow& window, const QString& dockName, const QString& caption) {
    auto* dock = window.findChild<QDockWidget*>(dockName);
    QAction* item = teachingItem(window, caption);
    if (!dock || !item || dock->isVisible()) return nullptr;
    item->trigger();
    return dock->isVisible() ? qobject_cast<Panel*>(dock->widget()) : nullptr;
}

}  // namespace tarvo::app
