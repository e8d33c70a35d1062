#include "chat_page_fixture.h"

#include "Utils/string_helper.h"

#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/Simulation/ConversationTypes.h>

using Kivo::Data::FTAdapter;
using Kivo::Simulation::FileTransferRecord;
using Kivo::Simulation::FileTransferState;

// A file transfer as the chat page shows it: its block, and its progress while it runs,
// through the page model and the page's own scripts.
class ChatPageTransfersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileNameShowsAsTextNotMarkup();
    void runningTransferMovesItsBarAndAmount();

private:
    QVariant run(const QString& script) const { return m_Page.run(script); }
    FTAdapter* transfer(FileTransferRecord& record);

    // Declared first: the page's model reads the transfers until the page is gone.
    QScopedPointer<Kivo::Models::FTModel> m_Transfers;
    ChatPageFixture m_Page;
};

void ChatPageTransfersTest::initTestCase()
{
    ChatPageFixture::prepare();
}

void ChatPageTransfersTest::init()
{
    m_Page.open();
    m_Transfers.reset(new Kivo::Models::FTModel(m_Page.peer));
    if (m_Page.model())
        m_Page.model()->setFtModel(m_Transfers.data());
    m_Page.load();
}

void ChatPageTransfersTest::cleanup()
{
    m_Page.close();
    m_Transfers.reset();
}

FTAdapter* ChatPageTransfersTest::transfer(FileTransferRecord& record)
{
    auto* ft = new FTAdapter(record.id, m_Page.peer, m_Page.own, m_Transfers.data());
    record.peer = m_Page.peer;
    record.size = 2048;
    record.incoming = true;
    record.time = QDateTime::currentDateTime();
    ft->update(record);
    m_Transfers->add(ft);
    return ft;
}

void ChatPageTransfersTest::fileNameShowsAsTextNotMarkup()
{
    FileTransferRecord record;
    record.id = 7;
    record.fileName = QStringLiteral("<b>plan</b> & <img src=x onerror=\"document.title='hit'\">.pdf");
    record.state = FileTransferState::Offered;
    transfer(record);

    const QString block = QStringLiteral("document.getElementById('filetransfer-7')");
    QTRY_VERIFY(run(block + QStringLiteral(" != null")).toBool());
    // The name reads as typed; the page holds no element that came out of it.
    QVERIFY2(run(block + QStringLiteral(".textContent")).toString().contains(record.fileName),
             qPrintable(run(block + QStringLiteral(".innerHTML")).toString()));
    QCOMPARE(run(block + QStringLiteral(".querySelectorAll('b, img').length")).toInt(), 0);
    QVERIFY(run(QStringLiteral("document.title")).toString() != QStringLiteral("hit"));
}

void ChatPageTransfersTest::runningTransferMovesItsBarAndAmount()
{
    FileTransferRecord record;
    record.id = 8;
    record.fileName = QStringLiteral("plan.pdf");
    record.state = FileTransferState::Transferring;
    FTAdapter* ft = transfer(record);

    const QString amount = QStringLiteral("document.getElementById('ft_loaded-8').textContent");
    const QString bar = QStringLiteral("document.getElementById('progressbar-8').style.backgroundPosition");
    QTRY_COMPARE(run(amount).toString(), QStringLiteral("0"));

    // Half of it has come: the amount and the bar follow, and again when all has come.
    record.transferred = 1024;
    ft->update(record);
    QTRY_COMPARE(run(amount).toString(), Utils::StringHelper::sizeText(1024));
    QVERIFY2(run(bar).toString().startsWith(QStringLiteral("-25px")), qPrintable(run(bar).toString()));
    record.transferred = 2048;
    ft->update(record);
    QTRY_COMPARE(run(amount).toString(), Utils::StringHelper::sizeText(2048));
    QVERIFY2(run(bar).toString().startsWith(QStringLiteral("0px")), qPrintable(run(bar).toString()));
}

QTEST_MAIN(ChatPageTransfersTest)
#include "tst_chat_page_transfers.moc"
