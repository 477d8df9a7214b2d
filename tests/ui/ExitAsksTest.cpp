// Ending the bells is a decision: the operator's exits ask while the schedule
// runs; the end of the session does not.
#include "tests/support/WindowDoubles.h"

namespace tollix {
namespace {

class ExitAsks : public test::WindowTest {};

TEST_F(ExitAsks, TheOperatorsExitsAskWhileTheBellsRunAndNoIsTheirAnswer) {
    int ended = 0;
    main& w = load(services([&ended] { ++ended; }));
    w.start_Click();
    ASSERT_TRUE(w.engine.running());
    messages.answer = false;
    const std::function<void()> ways[] = {[&w] { w.close(); },
                                          [&w] { QTest::mouseClick(w.mexit, Qt::LeftButton); },
                                          [&w] { w.mnExit1->trigger(); }};
    for (const auto& way : ways) way();
    w.EndSession();
    EXPECT_EQ(ended, 1);  // the session's end only
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("Stop all bells and exit TOLLIX?"));
}

}  // namespace
}  // namespace tollix
