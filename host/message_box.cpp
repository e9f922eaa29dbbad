#include "host/message_box.h"

#include "imaging/text_conversion.h"

namespace pixmora::host {
namespace {

MessageBoxHook& hook() {
    static MessageBoxHook instance;
    return instance;
}

}  // namespace

void showMessage(std::string_view text) {
    if (hook()) {
        hook()(kMessageTitle, std::string(text), kMessageFlags);
        return;
    }
    MessageBoxW(nullptr, toWideText(text).c_str(), toWideText(kMessageTitle).c_str(), kMessageFlags);
}

void setMessageBoxHook(MessageBoxHook newHook) { hook() = std::move(newHook); }

}  // namespace pixmora::host
