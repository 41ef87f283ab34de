#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include <vector>

#include "common/application.h"
#include "kelvane_library.h"
#include "user_message_event.h"

namespace corvanta::kelvane {
namespace {

using testing::Kelvane;

struct Received {
  std::uint32_t message;
  std::uint32_t wParam;
  std::int32_t lParam;
};

class RecordingWidget : public QWidget {
 public:
  std::vector<Received> received;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == UserMessageEvent::kType) {
      const auto* message = static_cast<UserMessageEvent*>(event);
      received.push_back({message->message(), message->wParam(), message->lParam()});
      return true;
    }
    return QWidget::event(event);
  }
};

TEST(MessageExport, PostsExactlyOneMessageThatArrivesLater) {
  testing::EnsureApplication();
  ASSERT_NE(Kelvane().fjp, nullptr) << dlerror();
  RecordingWidget target;
  RecordingWidget bystander;
  bystander.winId();

  Kelvane().fjp(static_cast<std::uint32_t>(target.winId()), -42);
  EXPECT_TRUE(target.received.empty());  // posted, not sent

  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(target.received.size(), 1u);
  EXPECT_EQ(target.received[0].message, 0x409u);
  EXPECT_EQ(target.received[0].wParam, 0u);
  EXPECT_EQ(target.received[0].lParam, -42);
  EXPECT_TRUE(bystander.received.empty());
}

TEST(MessageExport, UnknownOrNoWindowGetsNothing) {
  testing::EnsureApplication();
  RecordingWidget target;
  target.winId();
  Kelvane().fjp(0, 1);
  Kelvane().fjp(0x7FFFFFF0u, 2);
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(target.received.empty());
}

}  // namespace
}  // namespace corvanta::kelvane
