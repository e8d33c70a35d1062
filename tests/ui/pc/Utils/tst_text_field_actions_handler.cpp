#include "Utils/text_field_actions_handler.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

class TextFieldActionsHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void menuEntries_data();
    void menuEntries();
    void entriesDriveTheSignals();
    void sameSelectionIsNoChange();
};

void TextFieldActionsHandlerTest::menuEntries_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("password");
    // Entry texts in order, "-" for the separator, a trailing "!" for a disabled entry.
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("nothing selected, empty clipboard") << "" << "" << false << QStringList{"-", "Select All"};
    QTest::newRow("selection") << "abc" << "" << false << QStringList{"Cut", "Copy", "-", "Select All"};
    QTest::newRow("clipboard") << "" << "text" << false << QStringList{"Paste", "-", "Select All"};
    QTest::newRow("password keeps its text") << "abc" << "text" << true
                                             << QStringList{"Cut!", "Copy!", "Paste", "-", "Select All"};
}

void TextFieldActionsHandlerTest::menuEntries()
{
    QFETCH(QString, selection);
    QFETCH(QString, clipboard);
    QFETCH(bool, password);
    QFETCH(QStringList, entries);

    QApplication::clipboard()->setText(clipboard);
    Utils::TextFieldActionsHandler handler;
    handler.setSelectedText(selection);
    QMenu menu;
    const QList<QAction*> actions = handler.createMenu(&menu, password);
    QStringList texts;
    for (const QAction* action : actions) {
        QCOMPARE(action->parent(), &menu);
        texts.append(action->isSeparator() ? QStringLiteral("-")
                                           : action->text() + (action->isEnabled() ? QString() : QStringLiteral("!")));
    }
    QCOMPARE(texts, entries);
}

void TextFieldActionsHandlerTest::entriesDriveTheSignals()
{
    QApplication::clipboard()->setText("text");
    Utils::TextFieldActionsHandler handler;
    handler.setSelectedText("abc");
    QMenu menu;
    const QList<QAction*> actions = handler.createMenu(&menu, false);
    QSignalSpy cut(&handler, &Utils::TextFieldActionsHandler::cut);
    QSignalSpy copy(&handler, &Utils::TextFieldActionsHandler::copy);
    QSignalSpy paste(&handler, &Utils::TextFieldActionsHandler::paste);
    QSignalSpy selectAll(&handler, &Utils::TextFieldActionsHandler::selectAll);
    for (QAction* action : actions)
        action->trigger();
    QCOMPARE(cut.count() + copy.count() + paste.count() + selectAll.count(), 4);
    QCOMPARE(cut.count(), 1);
    QCOMPARE(selectAll.count(), 1);
}

void TextFieldActionsHandlerTest::sameSelectionIsNoChange()
{
    Utils::TextFieldActionsHandler handler;
    QSignalSpy changed(&handler, &Utils::TextFieldActionsHandler::selectedTextChanged);
    handler.setSelectedText("abc");
    handler.setSelectedText("abc");
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TextFieldActionsHandlerTest)
#include "tst_text_field_actions_handler.moc"
