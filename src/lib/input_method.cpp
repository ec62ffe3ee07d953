#include "input_method.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QPointer>
#include <QWidget>

namespace {

const char *const kNumbersOnly = "zaruNumbersOnly";
const char *const kPartOfFocus = "zaruPartOfFocus";

// How long after a syllable was committed whole a second copy of it counts as the engine's echo. The
// echo follows within milliseconds; nothing a person types arrives as a bare commit of the same syllable.
constexpr qint64 kEchoMilliseconds = 3000;

bool numbersOnlyObject(QObject *object) {
    if (!object)
        return false;
    if (object->property(kNumbersOnly).toBool())
        return true;
    // Widgets that decide per place (the grids, per column) say so through their hints.
    QInputMethodQueryEvent query(Qt::ImHints);
    QCoreApplication::sendEvent(object, &query);
    const auto hints = Qt::InputMethodHints(query.value(Qt::ImHints).toInt());
    return hints & (Qt::ImhDigitsOnly | Qt::ImhFormattedNumbersOnly);
}

class InputMethodGuard : public QObject {
public:
    explicit InputMethodGuard(QObject *parent) : QObject(parent) {}

    QString preedit() const { return preedit_; }

    bool commit() {
        if (preedit_.isEmpty())
            return false;
        const QString text = preedit_;
        QPointer<QObject> target = QGuiApplication::focusObject();
        committing_ = true;
        committed_ = false;
        // The input method plugin hands its preedit text to the focused field as committed text, at once.
        QGuiApplication::inputMethod()->commit();
        committing_ = false;
        if (!committed_ && target && target == QGuiApplication::focusObject()) {
            // No plugin delivered it (none is running, or one that only resets): the field shows the
            // syllable, so the field keeps it.
            QInputMethodEvent event;
            event.setCommitString(text);
            QCoreApplication::sendEvent(target, &event);
            QGuiApplication::inputMethod()->reset();
        }
        preedit_.clear();
        return true;
    }

    void cancel() {
        if (preedit_.isEmpty())
            return;
        expectEcho(preedit_);
        preedit_.clear();
        if (QObject *target = QGuiApplication::focusObject()) {
            QInputMethodEvent clear; // no preedit, nothing committed: the field stops showing it
            cancelling_ = true;
            QCoreApplication::sendEvent(target, &clear);
            cancelling_ = false;
        }
        // ibus commits the syllable it drops on a reset: that copy is the echo expected above.
        QGuiApplication::inputMethod()->reset();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::InputMethod:
            if (cancelling_ || watched->property(kPartOfFocus).toBool())
                return false; // our own, or handed on by a widget to a part of it (a grid to its cell editor)
            return platformEvent(watched, static_cast<QInputMethodEvent *>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Before the press moves the focus or runs a command: the syllable goes to the field it was
            // typed in. The window sees the press first, before Qt gives the focus to the widget under it.
            if (!preedit_.isEmpty())
                commit();
            return false;
        case QEvent::FocusAboutToChange:
            // The focus leaves the field without a press seen first (a press handed straight to a widget,
            // a change of focus by the program): the old field still has it. A popup of the field's own (a
            // completer's list) leaves the composition where it is.
            if (!preedit_.isEmpty() && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
                commit();
            return false;
        default: return false;
        }
    }

private:
    bool platformEvent(QObject *target, QInputMethodEvent *event) {
        const QString commitText = event->commitString();
        const QString preeditText = event->preeditString();
        const bool carriesText = !commitText.isEmpty() || !preeditText.isEmpty();
        if (!echo_.isEmpty() && preeditText.isEmpty() && commitText == echo_ &&
            echoClock_.elapsed() < kEchoMilliseconds) {
            echo_.clear();
            return true;
        }
        if (carriesText)
            echo_.clear();
        if (carriesText && numbersOnlyObject(target)) {
            // Refused here; the input method must not keep composing it for the next field either.
            preedit_ = preeditText;
            cancel();
            return true;
        }
        if (committing_ && !commitText.isEmpty())
            committed_ = true;
        // A syllable committed whole, with nothing composed after it: ibus sends it once more when Qt has
        // committed it on the engine's behalf (a click, a change of focus, a command) and then resets the
        // engine, which flushes the same syllable.
        if (preeditText.isEmpty() && !commitText.isEmpty() && commitText == preedit_)
            expectEcho(commitText);
        preedit_ = preeditText;
        return false;
    }

    void expectEcho(const QString &text) {
        echo_ = text;
        echoClock_.start();
    }

    QString preedit_;
    QString echo_;
    QElapsedTimer echoClock_;
    bool committing_ = false;
    bool committed_ = false;
    bool cancelling_ = false;
};

QPointer<InputMethodGuard> &guard() {
    static QPointer<InputMethodGuard> instance;
    return instance;
}

// fcitx5's controller on the session bus; its methods act on the input context that has the focus.
bool callFcitx(const char *method) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.fcitx.Fcitx5"), QStringLiteral("/controller"),
                                       QStringLiteral("org.fcitx.Fcitx.Controller1"), QString::fromLatin1(method));
    return bus.send(call);
}

bool fcitxInUse() { return qEnvironmentVariable("QT_IM_MODULE").startsWith(QLatin1String("fcitx")); }

} // namespace

void InstallInputMethodGuard(QApplication *app) {
    if (!app || guard())
        return;
    guard() = new InputMethodGuard(app);
    app->installEventFilter(guard());
}

bool CommitComposition() { return guard() && guard()->commit(); }

void CancelComposition() {
    if (guard())
        guard()->cancel();
}

QString PendingComposition() { return guard() ? guard()->preedit() : QString(); }

void MarkNumbersOnly(QWidget *field) {
    if (!field)
        return;
    field->setProperty(kNumbersOnly, true);
    field->setInputMethodHints(field->inputMethodHints() | Qt::ImhFormattedNumbersOnly | Qt::ImhPreferLatin);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void MarkPartOfFocus(QWidget *part) {
    if (part)
        part->setProperty(kPartOfFocus, true);
}

bool IsNumbersOnly(const QWidget *field) { return field && field->property(kNumbersOnly).toBool(); }

void SetImeHangul(QWidget *window, int mode) {
    if (!window || (mode != 0 && mode != 1) || !fcitxInUse())
        return;
    // Hangul is fcitx5's active state in a Korean group; alphanumeric input its inactive one.
    callFcitx(mode == 0 ? "Activate" : "Deactivate");
}
