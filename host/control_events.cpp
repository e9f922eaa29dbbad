#include "host/control_events.h"

#include <map>
#include <string>

namespace pixmora::host {
namespace {

template <typename Handler>
using HandlerMap = std::map<std::string, Handler, std::less<>>;

EventHandler createdHandler = nullptr;

HandlerMap<EventHandler>& textChangedHandlers() {
    static HandlerMap<EventHandler> map;
    return map;
}
HandlerMap<EventHandler>& clickedHandlers() {
    static HandlerMap<EventHandler> map;
    return map;
}
HandlerMap<SpinnerHandler>& spinnerHandlers() {
    static HandlerMap<SpinnerHandler> map;
    return map;
}

template <typename Handler>
void attach(HandlerMap<Handler>& map, std::string_view name, Handler handler) {
    if (handler)
        map.insert_or_assign(std::string(name), handler);
    else if (auto found = map.find(name); found != map.end())
        map.erase(found);
}

template <typename Handler>
Handler find(const HandlerMap<Handler>& map, std::string_view name) {
    auto found = map.find(name);
    return found == map.end() ? nullptr : found->second;
}

}  // namespace

void attachCreated(EventHandler handler) { createdHandler = handler; }
void attachTextChanged(std::string_view name, EventHandler handler) { attach(textChangedHandlers(), name, handler); }
void attachClicked(std::string_view name, EventHandler handler) { attach(clickedHandlers(), name, handler); }
void attachSpinnerPressed(std::string_view name, SpinnerHandler handler) { attach(spinnerHandlers(), name, handler); }

void detachAllEvents() {
    createdHandler = nullptr;
    textChangedHandlers().clear();
    clickedHandlers().clear();
    spinnerHandlers().clear();
}

void raiseCreated() {
    if (createdHandler) createdHandler();
}

void raiseTextChanged(std::string_view name) {
    if (auto handler = find(textChangedHandlers(), name)) handler();
}

void raiseClicked(std::string_view name) {
    if (auto handler = find(clickedHandlers(), name)) handler();
}

void raiseSpinnerPressed(std::string_view name, int direction) {
    if (auto handler = find(spinnerHandlers(), name)) handler(direction);
}

}  // namespace pixmora::host
