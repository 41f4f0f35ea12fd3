// PixelRing: read-back of drawn frames for a writer thread, through a ring of pixel buffer
// objects. Needs the current GL context of the thread that draws.
#pragma once

#include <GL/gl.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

// A queue between the renderer and the thread that feeds ffmpeg; take() waits for an item.
template <class T> class Channel {
  public:
    T take() {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_items.empty(); });
        T item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }
    void give(T item) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_items.push_back(std::move(item));
        }
        m_changed.notify_all();
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<T> m_items;
};

// Read-back through a ring of pixel buffer objects: the GL reads a frame into one buffer while
// the writer thread sends an earlier one, mapped, to ffmpeg, so rendering, read-back and
// encoding overlap and no frame is copied on our side. Buffers are mapped and unmapped on the
// GL thread only; the writer hands each one back when it has sent it.
class PixelRing {
  public:
    struct Frame {
        int buffer = -1; // -1 marks the end
        const uint8_t* pixels = nullptr;
    };
    PixelRing(int width, int height);
    ~PixelRing();
    size_t bytes() const { return static_cast<size_t>(m_width) * m_height * 4; }

    // Reads the frame just drawn and passes it on to the writer.
    void read();

    Channel<int> free;
    Channel<Frame> full;

  private:
    static constexpr int kBuffers = 3;
    int m_width, m_height;
    GLuint m_buffers[kBuffers];
    std::vector<bool> m_mapped;
};
