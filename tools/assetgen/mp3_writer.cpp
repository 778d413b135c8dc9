// MP3 encoding through LAME, and the soundtrack file.
#include "image.h"
#include "music/music.h"
#include "soundtrack.h"

#include <cstdio>
#include <lame/lame.h>
#include <vector>

bool WriteMp3(const StereoBuffer& audio, int kilobitsPerSecond, const std::string& path) {
    lame_global_flags* lame = lame_init();
    if (!lame)
        return false;
    lame_set_in_samplerate(lame, kSampleRate);
    lame_set_out_samplerate(lame, kSampleRate);
    lame_set_num_channels(lame, 2);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, kilobitsPerSecond);
    lame_set_quality(lame, 3);
    // No ID3 tag. The information frame at the start (encoder delay, padding and length)
    // holds nothing that changes from run to run.
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_bWriteVbrTag(lame, 1);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    std::vector<unsigned char> out;
    const int chunk = 8192;
    // LAME's own bound: 1.25 x samples + 7200 bytes.
    std::vector<unsigned char> buffer(chunk * 5 / 4 + 7200);
    bool ok = true;
    for (size_t at = 0; at < audio.frames() && ok; at += chunk) {
        int n = static_cast<int>(std::min<size_t>(chunk, audio.frames() - at));
        int got = lame_encode_buffer_ieee_float(lame, &audio.left[at], &audio.right[at], n,
                                                buffer.data(), static_cast<int>(buffer.size()));
        ok = got >= 0;
        if (ok)
            out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    }
    if (ok) {
        int got = lame_encode_flush(lame, buffer.data(), static_cast<int>(buffer.size()));
        ok = got >= 0;
        if (ok)
            out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    }
    if (ok) {
        // The information frame was left blank at the start; fill it in now that the
        // length is known.
        unsigned char tag[2880];
        size_t size = lame_get_lametag_frame(lame, tag, sizeof tag);
        if (size > 0 && size <= out.size())
            std::copy(tag, tag + size, out.begin());
    }
    lame_close(lame);
    if (!ok || !MakeParentFolder(path))
        return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

bool WriteSoundtrack(const std::string& demoDir) {
    StereoBuffer audio = ComposeSoundtrack();
    std::string path = demoDir + "/" + kSoundtrackFile;
    if (!WriteMp3(audio, 160, path)) {
        std::fprintf(stderr, "assetgen: can't write %s\n", path.c_str());
        return false;
    }
    return true;
}
