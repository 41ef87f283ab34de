#pragma once

#include <QEvent>

#include <cstdint>

namespace corvanta::kelvane {

// The window message 0x409 (the user range starting at 0x400, plus 9) that
// the export "fjp" posts, delivered as a Qt event. Qt's user range starts at
// QEvent::User, so the message maps onto QEvent::User + 9. A receiver checks
// event->type() == UserMessageEvent::kType and then static_casts; it must not
// dynamic_cast, since the event is made inside the library.
class UserMessageEvent : public QEvent {
 public:
  static constexpr std::uint32_t kMessage = 0x409;
  static constexpr QEvent::Type kType =
      static_cast<QEvent::Type>(QEvent::User + (kMessage - 0x400));

  UserMessageEvent(std::uint32_t wParam, std::int32_t lParam)
      : QEvent(kType), wParam_(wParam), lParam_(lParam) {}

  std::uint32_t message() const { return kMessage; }
  std::uint32_t wParam() const { return wParam_; }
  std::int32_t lParam() const { return lParam_; }

  UserMessageEvent* clone() const override { return new UserMessageEvent(*this); }

 protected:
  UserMessageEvent(const UserMessageEvent&) = default;

 private:
  std::uint32_t wParam_;
  std::int32_t lParam_;
};

}  // namespace corvanta::kelvane
