#pragma once
// When the browser window navigates. The bar sets the window's address and
// shows it; the window navigates when it becomes active. Becoming active again
// (the user clicks back into the window) must not reload the page, which would
// lose what was typed into a form and how far the page was scrolled: the
// window navigates only when its address was set since the last navigation and
// differs from the page it last navigated to.

#include <optional>
#include <string>

namespace tavo::player {

class BrowserNavigation {
 public:
  // The bar asks for `address`.
  void setAddress(std::string address) {
    address_ = std::move(address);
    pending_ = true;
  }
  const std::string& address() const { return address_; }

  // The window became active: the address to navigate to, if any.
  std::optional<std::string> onActivate() {
    if (!pending_) return std::nullopt;
    pending_ = false;
    if (lastNavigated_ && *lastNavigated_ == address_) return std::nullopt;
    if (address_.empty()) return std::nullopt;
    lastNavigated_ = address_;
    return address_;
  }

  // The user went elsewhere inside the window (a link, back, forward): the bar
  // asking for the first address again must navigate back to it.
  void userNavigated(const std::string& address) { lastNavigated_ = address; }

 private:
  std::string address_;
  std::optional<std::string> lastNavigated_;
  bool pending_ = false;
};

}  // namespace tavo::player
