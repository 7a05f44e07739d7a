#pragma once
// The option list of a host event: pairs of key text and value, ended by a null key. Pointer keys carry
// the datum itself; integer keys point to an int the host owns; write-back keys point to an int the
// plug-in writes.
#include <deque>
#include <vector>

namespace hxhost {

class EventOptions {
  public:
    EventOptions() { pairs_.push_back({nullptr, nullptr}); }
    EventOptions(const EventOptions&) = delete;
    EventOptions& operator=(const EventOptions&) = delete;

    EventOptions& Pointer(const char* key, const void* value) { return Add(key, const_cast<void*>(value)); }
    EventOptions& Int(const char* key, int value) {
        ints_.push_back(value);
        return Add(key, &ints_.back());
    }
    EventOptions& WriteBack(const char* key, int* target) { return Add(key, target); }

    void* List() { return pairs_.data(); }

  private:
    struct Pair {
        const char* key;
        void* value;
    };
    EventOptions& Add(const char* key, void* value) {
        pairs_.insert(pairs_.end() - 1, Pair{key, value});
        return *this;
    }
    std::deque<int> ints_; // a deque keeps the addresses already handed out
    std::vector<Pair> pairs_;
};

} // namespace hxhost
