/// @file
/// MadeCurrent: makes an object the one a set of free functions act on, for as long as it lives;
/// the one current before comes back after it. The free functions scenes call by their familiar
/// names (loadTexture, printText) find the program's own objects this way.
#pragma once

namespace afterglow {

template <class T> class MadeCurrent {
  public:
    explicit MadeCurrent(T& object) : m_previous(current()) { current() = &object; }
    ~MadeCurrent() { current() = m_previous; }
    MadeCurrent(const MadeCurrent&) = delete;
    MadeCurrent& operator=(const MadeCurrent&) = delete;

    /// The current object of type T; null when none is.
    static T*& current() {
        static T* object = nullptr;
        return object;
    }

  private:
    T* m_previous;
};

} // namespace afterglow
