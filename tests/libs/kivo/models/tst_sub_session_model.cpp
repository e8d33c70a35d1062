// The sub-session list lets go of a sub-session as it is destroyed, without looking at it as
// a sub-session any more (the sanitizers' run is where a mistake shows).

#include <Kivo/Models/SubSessionModel.h>
#include <Kivo/Sessions/SubSession.h>

#include <QSignalSpy>
#include <QtTest>

using Kivo::Models::SubSessionModel;
using Kivo::Sessions::SubSession;

class SubSessionModelTest : public QObject
{
    Q_OBJECT

private slots:
    void destroyedSubSessionsLeaveTheList();
};

void SubSessionModelTest::destroyedSubSessionsLeaveTheList()
{
    SubSessionModel model;
    auto* sip = new SubSession(SubSession::Sip, "sip.example.net");
    auto* xmpp = new SubSession(SubSession::Xmpp, "xmpp.example.net");
    model.addSubSession(sip);
    model.addSubSession(xmpp);
    QCOMPARE(model.rowCount(), 2);

    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    delete sip;
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toInt(), 0);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0).data(SubSessionModel::CurrentHostRole).toString(), QString("xmpp.example.net"));
    delete xmpp;
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(SubSessionModelTest)
#include "tst_sub_session_model.moc"
