// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/heldkey.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace platform {

namespace {

bool pressesButton(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Select || key == Qt::Key_Enter || key == Qt::Key_Return;
}

// Whether the X server still has the key down. An auto-repeat on X11 is a release and a press;
// Qt marks the pair as repeated only when the press is already queued behind the release, so a
// busy moment lets a repeat through as a real release.
bool stillHeldOnX11(const QKeyEvent& event)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const quint32 keycode = event.nativeScanCode();
    if (!x11 || !x11->connection() || keycode == 0 || keycode > 255)
        return false;
    xcb_connection_t* connection = x11->connection();
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    return keymap && (keymap->keys[keycode / 8] & (1u << (keycode % 8))) != 0;
}

class HeldKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!pressesButton(key->key()))
                break;
            // A key already down presses nothing more: Enter and Return would click on each repeat.
            return key->isAutoRepeat() || !m_down.insert(key->key()).second;
        }
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!pressesButton(key->key()))
                break;
            if (key->isAutoRepeat() || stillHeldOnX11(*key))
                return true;
            m_down.erase(key->key());
            break;
        }
        case QEvent::FocusOut:
            m_down.clear();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::set<int> m_down;
};

} // namespace

void pressOncePerHold(QWidget* widget)
{
    widget->installEventFilter(new HeldKeyFilter(widget));
}

} // namespace platform
