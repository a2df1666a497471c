#include "numericedit.h"

#include <QKeyEvent>
#include <QToolTip>

namespace {

QString withoutDigits(const QString& text)
{
    QString rest;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            rest += c;
    }
    return rest;
}

// True when every character of part occurs in whole in the same order.
bool isSubsequence(const QString& part, const QString& whole)
{
    qsizetype at = 0;
    for (QChar c : part) {
        at = whole.indexOf(c, at);
        if (at < 0)
            return false;
        ++at;
    }
    return true;
}

}  // namespace

bool onlyDigitsAdded(const QString& previous, const QString& edited)
{
    return isSubsequence(withoutDigits(edited), withoutDigits(previous));
}

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent)
{
    // textEdited fires for every change the user makes (keys, paste, drop,
    // input methods, undo) and never for setText, so one check covers them all.
    connect(this, &QLineEdit::textEdited, this, &NumericEdit::refuseIfNotDigits);
    // Text set by the program (setText, a reset) becomes the new base. The
    // current text is taken, not the signal's, which may be stale after a refusal.
    connect(this, &QLineEdit::textChanged, this, [this] { acceptedText_ = text(); });
}

void NumericEdit::setValueText(const QString& text)
{
    acceptedText_ = text;
    setText(text);
}

void NumericEdit::refuseIfNotDigits(const QString& edited)
{
    if (onlyDigitsAdded(acceptedText_, edited)) {
        acceptedText_ = edited;
        return;
    }
    const int cursor = qMax(0, cursorPosition() - int(edited.size() - acceptedText_.size()));
    const QString previous = acceptedText_;
    setText(previous);
    setCursorPosition(qMin(cursor, int(previous.size())));
    showDigitsOnlyHint();
}

void NumericEdit::showDigitsOnlyHint()
{
    QToolTip::showText(mapToGlobal(QPoint(0, height())),
                       QStringLiteral("Hier sind nur die Ziffern 0 bis 9 erlaubt."), this);
}

void NumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit stepRequested(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        && withoutDigits(typed) != QString()) {
        showDigitsOnlyHint();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}
