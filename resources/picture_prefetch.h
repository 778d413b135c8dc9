// Pictures decoded ahead of their loads. The loader names, in its own order, the pictures it
// is about to load; worker threads decode them (decoding only: no GL, no reports) while the
// loader reads other files, and LoadTexture takes each one when its turn comes. Reports and
// uploads stay on the loading thread in the loader's order, so what is seen and read does not
// change: only the decoding moves earlier.
#pragma once

#include "platform/image_decoder.h"
#include "platform/thread.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class PicturePrefetch {
  public:
    // Starts decoding, in order, the names LoadTexture would decode (by their extension).
    // One prefetch at a time: a second one while this lives only decodes on demand.
    explicit PicturePrefetch(const std::vector<std::string>& fileNames);
    // Waits for the decodes under way; pictures never taken are dropped.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The picture decoded for `fileName`, waiting for its decode if it is under way, or
    // decoding it here if no worker has started it. False when no living prefetch names it
    // (or it was taken already); `decoded` is then untouched. `ok` is the decoder's answer.
    static bool take(const char* fileName, std::unique_ptr<DecodedImage>& decoded, bool& ok);
    // Returns when every named picture is decoded or taken. Only for names that fit the cap
    // on pictures held ahead (about 8 MiB decoded); tests use it to take from the workers.
    void waitForDecodes();

  private:
    enum class State { waiting, decoding, ready, taken };
    struct Entry {
        std::string fileName;
        State state = State::waiting;
        bool ok = false;
        std::unique_ptr<DecodedImage> image;
    };

    void work();
    bool takeEntry(const char* fileName, std::unique_ptr<DecodedImage>& decoded, bool& ok);
    size_t readyBytes() const; // decoded and not yet taken; under mutex_

    std::vector<Entry> entries_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopping_ = false;
    std::vector<std::unique_ptr<PlatformThread>> workers_;
};
