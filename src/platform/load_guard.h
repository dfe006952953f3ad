#pragma once
// Marks a list load as running for as long as the guard lives. A load that finds another one
// running (started from the events processed between its items) does not start.
namespace dalmiro {

class LoadGuard {
  public:
    explicit LoadGuard(bool& loading) : loading_(loading), acquired_(!loading) { loading_ = true; }
    ~LoadGuard() {
        if (acquired_)
            loading_ = false;
    }
    LoadGuard(const LoadGuard&) = delete;
    LoadGuard& operator=(const LoadGuard&) = delete;

    bool Acquired() const { return acquired_; }

  private:
    bool& loading_;
    bool acquired_;
};

} // namespace dalmiro
