#include "platform/qt/qt_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/dialog_host.h"
#include "platform/qt/qt_virtual_keys.h"

namespace {

SKeyMessage ReleaseOf(SKeyMessage press)
{
    press.type = press.type == SKeyMessage::EType::SysKeyDown ? SKeyMessage::EType::SysKeyUp
                                                               : SKeyMessage::EType::KeyUp;
    press.previousState = true;
    return press;
}

// The physical key; synthesised events have no scan code, so their Qt key
// stands in for it (scan codes stay below Qt's key codes).
quint32 PhysicalKey(const QKeyEvent& event)
{
    return event.nativeScanCode() != 0 ? event.nativeScanCode() : quint32(event.key());
}

}  // namespace

CQtKeyFilter::CQtKeyFilter(QWidget& window, ICommandTarget& target)
    : QObject(&window), m_window(window), m_target(target)
{
    qApp->installEventFilter(this);
}

CQtKeyFilter::~CQtKeyFilter()
{
    qApp->removeEventFilter(this);
}

bool CQtKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == &m_window) {
        ReleaseAllKeys();
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget == nullptr || widget->window() != &m_window) {
        return false;
    }
    return OnKey(static_cast<const QKeyEvent&>(*event));
}

bool CQtKeyFilter::OnKey(const QKeyEvent& event)
{
    // An auto-repeated release is not the key coming up.
    if (event.type() == QEvent::KeyRelease && event.isAutoRepeat()) {
        return true;
    }
    std::optional<SKeyMessage> message = MakeKeyMessage(event);
    const quint32 key = PhysicalKey(event);
    if (event.type() == QEvent::KeyRelease) {
        if (const auto pressed = m_down.find(key); pressed != m_down.end()) {
            message = ReleaseOf(pressed->second);
            m_down.erase(pressed);
        }
    } else if (message) {
        m_down[key] = *message;
    }
    // Keys without a virtual key are eaten too: no key reaches the
    // window's controls unless the target lets it.
    return message ? m_target.PreTranslateKeyMessage(*message) : true;
}

void CQtKeyFilter::ReleaseAllKeys()
{
    std::map<quint32, SKeyMessage> down;
    down.swap(m_down);
    for (const auto& [key, press] : down) {
        m_target.PreTranslateKeyMessage(ReleaseOf(press));
    }
}
