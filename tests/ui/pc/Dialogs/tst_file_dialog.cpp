#include "Dialogs/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Dialogs::FileDialog;

namespace {

// The chooser the worker asked for, once it is on screen.
QFileDialog* openChooser()
{
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        auto* chooser = qobject_cast<QFileDialog*>(widget);
        if (chooser && chooser->objectName() == "fileChooser" && chooser->isVisible())
            return chooser;
    }
    return nullptr;
}

} // namespace

class TestFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void cancelEmitsNothing();
    void openChosenImage();
    void saveCsvInFolder();
    void ownerClosedWhileOpen();
    void deletedWhileOpen();

private:
    QTemporaryDir m_Dir;
};

void TestFileDialog::cancelEmitsNothing()
{
    QWidget owner;
    QPointer<FileDialog> dialog = new FileDialog(&owner, FileDialog::OpenAny);
    QSignalSpy selected(dialog.data(), &FileDialog::fileSelected);
    dialog->open();
    QVERIFY(dialog->isOpen());
    QTRY_VERIFY(openChooser());
    openChooser()->reject();
    // Answered, it goes away; nothing was chosen.
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(selected.count(), 0);
    QVERIFY(!openChooser());
}

void TestFileDialog::openChosenImage()
{
    const QString image = m_Dir.filePath("avatar.png");
    QFile file(image);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QWidget owner;
    QPointer<FileDialog> dialog = new FileDialog(&owner, FileDialog::OpenImage);
    QSignalSpy selected(dialog.data(), &FileDialog::fileSelected);
    dialog->open();
    QTRY_VERIFY(openChooser());
    QFileDialog* chooser = openChooser();
    QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(chooser->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(chooser->nameFilters(), QStringList{"*.png *.jpg *.gif"});
    // As the user would: go to the folder and type the name.
    chooser->setDirectory(m_Dir.path());
    chooser->findChild<QLineEdit*>("fileNameEdit")->setText("avatar.png");
    static_cast<QDialog*>(chooser)->accept();
    QTRY_COMPARE(selected.count(), 1);
    QCOMPARE(selected.first().first().toString(), image);
    QTRY_VERIFY(dialog.isNull());
}

void TestFileDialog::saveCsvInFolder()
{
    QWidget owner;
    QPointer<FileDialog> dialog = new FileDialog(&owner, FileDialog::SaveCsv, "styles.csv");
    dialog->setDirectory(m_Dir.path());
    QSignalSpy selected(dialog.data(), &FileDialog::fileSelected);
    dialog->open();
    QTRY_VERIFY(openChooser());
    QFileDialog* chooser = openChooser();
    QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(chooser->nameFilters(), QStringList{"*.csv"});
    QCOMPARE(QDir(chooser->directory()).canonicalPath(), QDir(m_Dir.path()).canonicalPath());
    QCOMPARE(chooser->selectedFiles().size(), 1);
    QCOMPARE(QFileInfo(chooser->selectedFiles().first()).fileName(), QString("styles.csv"));
    static_cast<QDialog*>(chooser)->accept();
    QTRY_COMPARE(selected.count(), 1);
    QCOMPARE(QFileInfo(selected.first().first().toString()).fileName(), QString("styles.csv"));
}

void TestFileDialog::ownerClosedWhileOpen()
{
    auto* owner = new QWidget;
    QPointer<FileDialog> dialog = new FileDialog(owner, FileDialog::OpenCsv);
    QSignalSpy selected(dialog.data(), &FileDialog::fileSelected);
    dialog->open();
    QTRY_VERIFY(openChooser());
    delete owner;
    // The front object goes with its owner; the worker ends without a choice.
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(selected.count(), 0);
    QVERIFY(!openChooser());
}

void TestFileDialog::deletedWhileOpen()
{
    QWidget owner;
    auto* dialog = new FileDialog(&owner, FileDialog::SaveAny, "notes.txt");
    dialog->open();
    QTRY_VERIFY(openChooser());
    delete dialog;
    QVERIFY(!openChooser());

    // Deleted before the chooser even appeared.
    auto* early = new FileDialog(&owner, FileDialog::OpenAny);
    early->open();
    delete early;
    QCoreApplication::processEvents();
    QVERIFY(!openChooser());

    // Never opened: it stays until its owner goes.
    QPointer<FileDialog> idle = new FileDialog(&owner, FileDialog::OpenAny);
    QCoreApplication::processEvents();
    QVERIFY(!idle.isNull());
    delete idle;
}

QTEST_MAIN(TestFileDialog)
#include "tst_file_dialog.moc"
