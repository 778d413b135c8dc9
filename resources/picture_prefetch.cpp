// Decoding ahead on worker threads, under a cap on the pixels held decoded but not yet taken.
#include "resources/picture_prefetch.h"

#include "resources/texture.h"

#include <algorithm>
#include <thread>

namespace {
// Decoded pictures waiting for their turn hold at most about this much (a worker finishing
// may go one picture over): two 1024 x 1024 RGB pictures and a few small ones.
constexpr size_t kAheadBytes = size_t{8} << 20;

// The prefetch LoadTexture asks; set only by the loading thread, read only by it.
PicturePrefetch* g_active = nullptr;

size_t Bytes(const DecodedImage& image) {
    return static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()) *
           static_cast<size_t>(image.bitsPerPixel() / 8);
}
} // namespace

PicturePrefetch::PicturePrefetch(const std::vector<std::string>& fileNames) {
    for (const std::string& name : fileNames)
        if (IsDecodedPictureName(name.c_str())) {
            entries_.emplace_back();
            entries_.back().fileName = name;
        }
    if (g_active || entries_.empty())
        return;
    g_active = this;
    // Once its own files are read, the loading thread mostly waits for pictures, so every
    // core decodes; more than four would only hold more pictures at once.
    PrepareImageDecoding();
    const unsigned cores = std::thread::hardware_concurrency();
    const size_t workerNum = std::min<size_t>({cores ? cores : 1, 4, entries_.size()});
    // Without a worker every picture is still decoded, by take() on the loading thread.
    for (size_t i = 0; i < workerNum; ++i) {
        std::unique_ptr<PlatformThread> worker(new PlatformThread([this] { work(); }));
        if (worker->started())
            workers_.push_back(std::move(worker));
    }
}

PicturePrefetch::~PicturePrefetch() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    workers_.clear(); // each waits for its thread
    if (g_active == this)
        g_active = nullptr;
}

size_t PicturePrefetch::readyBytes() const {
    size_t bytes = 0;
    for (const Entry& entry : entries_)
        if (entry.state == State::ready && entry.image)
            bytes += Bytes(*entry.image);
    return bytes;
}

void PicturePrefetch::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        Entry* next = nullptr;
        changed_.wait(lock, [&] {
            if (stopping_)
                return true;
            next = nullptr;
            for (Entry& entry : entries_)
                if (entry.state == State::waiting) {
                    next = &entry;
                    break;
                }
            return !next || readyBytes() < kAheadBytes;
        });
        if (stopping_ || !next)
            return;
        next->state = State::decoding;
        lock.unlock();
        std::unique_ptr<DecodedImage> image(new DecodedImage);
        const bool ok = image->decode(next->fileName.c_str());
        lock.lock();
        next->image = std::move(image);
        next->ok = ok;
        next->state = State::ready;
        changed_.notify_all();
    }
}

bool PicturePrefetch::take(const char* fileName, std::unique_ptr<DecodedImage>& decoded, bool& ok) {
    return g_active && fileName && g_active->takeEntry(fileName, decoded, ok);
}

bool PicturePrefetch::takeEntry(const char* fileName, std::unique_ptr<DecodedImage>& decoded,
                                bool& ok) {
    std::unique_lock<std::mutex> lock(mutex_);
    Entry* entry = nullptr;
    for (Entry& candidate : entries_)
        if (candidate.state != State::taken && candidate.fileName == fileName) {
            entry = &candidate;
            break;
        }
    if (!entry)
        return false;
    if (entry->state == State::waiting) {
        // Not started: decoded here rather than waiting for a worker to come to it.
        entry->state = State::taken;
        lock.unlock();
        decoded.reset(new DecodedImage);
        ok = decoded->decode(fileName);
        return true;
    }
    changed_.wait(lock, [&] { return entry->state == State::ready; });
    entry->state = State::taken;
    decoded = std::move(entry->image);
    ok = entry->ok;
    // Room for the workers to go on.
    changed_.notify_all();
    return true;
}

void PicturePrefetch::waitForDecodes() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] {
        return workers_.empty() ||
               std::none_of(entries_.begin(), entries_.end(), [](const Entry& entry) {
                   return entry.state == State::waiting || entry.state == State::decoding;
               });
    });
}
