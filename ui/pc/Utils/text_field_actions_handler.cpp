#include "Utils/text_field_actions_handler.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>

namespace Utils {

TextFieldActionsHandler::TextFieldActionsHandler(QObject* parent) : QObject(parent) {}

void TextFieldActionsHandler::setSelectedText(const QString& text)
{
    if (text == m_SelectedText)
        return;
    m_SelectedText = text;
    emit selectedTextChanged();
}

QList<QAction*> TextFieldActionsHandler::createMenu(QObject* parent, bool isPassword)
{
    QList<QAction*> actions;
    const auto add = [&](const QString& text, QKeySequence::StandardKey key, void (TextFieldActionsHandler::*signal)()) {
        auto* action = new QAction(text, parent);
        action->setShortcut(QKeySequence(key));
        // The fields keep their own key handling; the shortcut is only shown.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, signal);
        actions.append(action);
        return action;
    };
    if (!m_SelectedText.isEmpty()) {
        add(tr("Cut"), QKeySequence::Cut, &TextFieldActionsHandler::cut)->setEnabled(!isPassword);
        add(tr("Copy"), QKeySequence::Copy, &TextFieldActionsHandler::copy)->setEnabled(!isPassword);
    }
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard && !clipboard->text().isEmpty())
        add(tr("Paste"), QKeySequence::Paste, &TextFieldActionsHandler::paste);
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    actions.append(separator);
    add(tr("Select All"), QKeySequence::SelectAll, &TextFieldActionsHandler::selectAll);
    return actions;
}

} // namespace Utils
