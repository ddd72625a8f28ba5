// The profile data dialog: its texts and layout, and what it returns however it is left.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "desktop/Startup.h"
#include "desktop/dialogs/TForm2.h"

using desktop::TForm2;

class ProfileDialogTest : public QObject {
    Q_OBJECT

    // Runs `act` on the modal dialog once it is up (exec() blocks the test).
    static void WhenShown(std::function<void(TForm2*)> act) {
        QTimer::singleShot(0, [act] {
            auto* d = qobject_cast<TForm2*>(QApplication::activeModalWidget());
            QVERIFY(d);
            act(d);
        });
    }

private slots:
    void initTestCase() { desktop::ApplyApplicationLook(*qApp); }

    void textsAndLayout() {
        TForm2 d;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Dados do Perfil"));
        struct LabelCase {
            QLabel* label;
            const char* text;
            bool bold;
        };
        const LabelCase labels[] = {
            {d.Label4, "A polilinha selecionada não estava", true},
            {d.Label5, "referenciada a um perfil do sistema.", true},
            {d.Label6, " Por favor entre com os dados do perfil:", true},
            {d.Label2, "Cota Inicial:", false},
            {d.Label1, "Progressiva Inicial:", false},
            {d.Label3, "Deformação Vertical", false},
        };
        for (const auto& c : labels) {
            QCOMPARE(c.label->text(), QString::fromUtf8(c.text));
            QCOMPARE(c.label->font().bold(), c.bold);
        }
        QCOMPARE(d.Edit2->text(), QString());
        QCOMPARE(d.Edit1->text(), QStringLiteral("0"));
        QCOMPARE(d.Edit3->text(), QStringLiteral("10"));
        QCOMPARE(d.Button1->text(), QStringLiteral("OK"));

        QVERIFY(d.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(d.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        // 277 x 177 at the program's font; larger in the same proportions when a font
        // needs more room.
        if (QFontInfo(d.font()).family() == "Liberation Sans") QCOMPARE(d.size(), QSize(277, 177));
        QVERIFY(d.width() >= 277 && d.height() >= 177);
        QVERIFY(qAbs(double(d.width()) / d.height() - 277.0 / 177.0) < 0.02);

        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // Every text fits its label (nothing cut off), and the fields run
        // elevation, chainage, exaggeration from top to bottom.
        for (const auto& c : labels) {
            QVERIFY2(c.label->width() >= c.label->sizeHint().width(), c.text);
            QVERIFY2(c.label->geometry().right() < d.width(), c.text);
        }
        QVERIFY(d.Edit2->y() < d.Edit1->y());
        QVERIFY(d.Edit1->y() < d.Edit3->y());
        QVERIFY(d.Edit3->geometry().bottom() < d.Button1->y());
        QVERIFY(d.Button1->geometry().bottom() < d.height());

        // Tab order: OK first, then chainage, elevation, exaggeration.
        QCOMPARE(QApplication::focusWidget(), d.Button1);
        QWidget* expected[] = {d.Edit1, d.Edit2, d.Edit3, d.Button1};
        for (QWidget* w : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w);
        }
    }

    // However the dialog is left, what is in the boxes is the answer: the initial
    // texts land in Edit2/Edit1, Edit3 keeps its "10", the typing is kept as typed.
    void returnsTheTypedTexts_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK button") << "ok";
        QTest::newRow("Enter on OK") << "enter";
        QTest::newRow("close box") << "close";
    }
    void returnsTheTypedTexts() {
        QFETCH(QString, how);
        WhenShown([how](TForm2* d) {
            QCOMPARE(d->Edit2->text(), QStringLiteral("812.35"));
            QCOMPARE(d->Edit1->text(), QStringLiteral("0+0.00"));
            QCOMPARE(d->Edit3->text(), QStringLiteral("10"));
            // Escape is not a way out: there is nothing to cancel.
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            d->Edit1->setText(QStringLiteral("20"));
            d->Edit3->clear();
            QTest::keyClicks(d->Edit3, QStringLiteral("abc"));
            if (how == "ok")
                QTest::mouseClick(d->Button1, Qt::LeftButton);
            else if (how == "enter")
                QTest::keyClick(d->Button1, Qt::Key_Return);
            else
                d->close();
        });
        engine::ProfileDialogTexts initial{"812.35", "0+0.00", "99"};
        engine::ProfileDialogTexts got = TForm2::Ask(nullptr, initial);
        QCOMPARE(QString::fromStdString(got.initialElevation), QStringLiteral("812.35"));
        QCOMPARE(QString::fromStdString(got.initialChainage), QStringLiteral("20"));
        QCOMPARE(QString::fromStdString(got.exaggeration), QStringLiteral("abc"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(ProfileDialogTest)
#include "tst_profiledialog.moc"
