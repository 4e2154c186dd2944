#include "windows/elements/TForm11.h"
#include "windows/elements/TForm4.h"
#include "windows/main/ScriptedModals.h"
#include "windows/options/TForm9.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(SpinEdit, ChangesOnlyWhenTheTextChanges)
{
    SpinEdit spin;
    QSignalSpy changed(&spin, &SpinEdit::changed);
    spin.setText(QStringLiteral("0"));
    EXPECT_EQ(changed.count(), 0);
    spin.setText(QStringLiteral("12"));
    EXPECT_EQ(changed.count(), 1);
    spin.setText(QStringLiteral("12"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(spin.value(), 12);

    spin.setIncrement(5);
    spin.stepBy(-3);
    EXPECT_EQ(spin.text(), QStringLiteral("-3")); // no limits of its own
    spin.setLimits(1, 10);
    spin.stepBy(-1);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));

    spin.setText(QStringLiteral("abc"));
    EXPECT_THROW(spin.value(), RuntimeError);
}

TEST(SpinEdit, ArrowsOnlyRefusesTyping)
{
    SpinEdit spin;
    spin.setTypingAllowed(false);
    QTest::keyClicks(&spin, QStringLiteral("7"));
    EXPECT_EQ(spin.text(), QStringLiteral("0"));
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
}

TEST(EventGuard, ShowsRuntimeAndOtherFailuresInTheErrorBox)
{
    ScriptedModals modals;
    EventGuard::run([] { throw RuntimeError(QStringLiteral("Unable to write to x.ini")); });
    EventGuard::run([] { throw std::out_of_range("index"); });
    EventGuard::run([] {});
    EXPECT_EQ(modals.messages(Modal::MessageKind::Error), QStringList({"Unable to write to x.ini", "index"}));
}

TEST(TForm4, EachKeystrokePostponesThePreviewFiftyMillisecondsMore)
{
    TForm4 form;
    int renders = 0;
    form.setPreviewSource([&](const QString &text) {
        ++renders;
        QImage image(text.size() * 6 + 1, 21, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    });
    EXPECT_EQ(form.UPDATER->interval(), 1);
    form.UPDATERTimer(); // the start-up firing
    EXPECT_EQ(form.UPDATER->interval(), 100);
    EXPECT_FALSE(form.UPDATER->isActive());

    QTest::keyClicks(form.Edit1, QStringLiteral("ab"));
    EXPECT_TRUE(form.UPDATER->isActive());
    EXPECT_EQ(form.UPDATER->interval(), 200);
    QTRY_COMPARE_WITH_TIMEOUT(renders, 2, 2000);
    EXPECT_EQ(form.UPDATER->interval(), 100);
    EXPECT_EQ(form.Image1->picture().width(), 13);

    form.show(); // showing empties the preview
    EXPECT_TRUE(form.Image1->picture().isNull());
    form.hide();
}

TEST(TForm9, ValuesOfZeroOrBelowBecomeZero)
{
    ScriptedModals modals;
    TForm9 form;
    form.CSpinEdit1->setText(QStringLiteral("-1"));
    EXPECT_EQ(form.CSpinEdit1->text(), QStringLiteral("0"));
    form.CSpinEdit2->setText(QStringLiteral("30"));
    EXPECT_EQ(form.CSpinEdit2->text(), QStringLiteral("30"));

    // A place the server computes survives the arrows and closing; a word that is none does not.
    form.setPlacement({QStringLiteral("<eval 100+<argn1>>"), QStringLiteral("abc")});
    form.CSpinEdit1->stepBy(1);
    form.done(QDialog::Accepted);
    EXPECT_EQ(form.placement().x, QStringLiteral("<eval 100+<argn1>>"));
    EXPECT_EQ(form.placement().y, QStringLiteral("30"));
}

TEST(TForm11, EventsAreJoinedByCrLf)
{
    TForm11 form;
    form.setOptions({true, QStringLiteral("4"), QStringLiteral("a\r\nb")});
    const auto options = form.options();
    EXPECT_TRUE(options.closeOnClick);
    EXPECT_EQ(options.page, QStringLiteral("4"));
    EXPECT_EQ(options.events, QStringLiteral("a\r\nb"));
}
