// rerovuz-bench: runs the whole demo offscreen several times in fresh processes and reports
// its start-up, each scene's frame times against the renderer's floor (the same GL calls
// replayed with none of the demo's own work), the spectrum and scene logic costs and the
// peak memory; writes report.json and frametime.png.
#include "tools/bench/bench_passes.h"
#include "tools/bench/frame_stats.h"
#include "tools/bench/frametime_plot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

const char* const kUsage =
    "usage: rerovuz-bench [--out DIR] [--assets DIR] [--rounds N] [--startup-runs N] [--reuse]\n"
    "  --out DIR         where report.json, frametime.png and frames.tsv go\n"
    "                    (default: the folder holding rerovuz-bench)\n"
    "  --assets DIR      the demo's folder (default: ../demo beside rerovuz-bench)\n"
    "  --rounds N        runs of the demo and of the floor pass; each scene counts from\n"
    "                    its least disturbed round, which steadies the figures on a\n"
    "                    busy machine\n"
    "                    (default 2)\n"
    "  --startup-runs N  fresh processes timing start-up and loads (default 3)\n"
    "  --reuse           report again from the pass files in DIR/passes, running nothing\n";

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string SelfPath() {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "";
    buffer[n] = '\0';
    return buffer;
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/')
        return path;
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
}

const char* PassName(Pass pass) {
    switch (pass) {
    case Pass::Demo:
        return "demo";
    case Pass::Startup:
        return "startup";
    case Pass::Loads:
        return "loads";
    case Pass::Logic:
        return "logic";
    case Pass::Floor:
        return "floor";
    }
    return "?";
}

bool ParsePass(const char* name, Pass& pass) {
    for (Pass p : {Pass::Demo, Pass::Startup, Pass::Loads, Pass::Logic, Pass::Floor})
        if (std::strcmp(name, PassName(p)) == 0) {
            pass = p;
            return true;
        }
    return false;
}

struct Parent {
    std::string self;
    std::string recorder; // the preloadable library beside the executable
    std::string assets;
    std::string out;
    int startupRuns = 3;
    int rounds = 2;     // demo and floor passes; each scene counts from its calmest round
    bool reuse = false; // report from the pass files of an earlier run, running nothing
};

// Runs one pass in a fresh process; the recorder is preloaded where the pass needs it.
bool Spawn(const Parent& p, Pass pass, const std::string& result, const std::string& ticks = "") {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0)
            env.push_back(*e);
    if (pass == Pass::Logic || pass == Pass::Floor)
        env.push_back("LD_PRELOAD=" + p.recorder);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::string passArg = PassName(pass);
    std::vector<std::string> args = {p.self,     "--pass", passArg,   "--assets", p.assets,
                                     "--result", result,   "--ticks", ticks,      "--spawn-ns"};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    // Taken last, so that the start-up figure holds only the new process.
    std::string spawnNs = std::to_string(MonotonicNs());
    argv.push_back(spawnNs.data());
    argv.push_back(nullptr);

    pid_t pid;
    if (posix_spawn(&pid, p.self.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        std::fprintf(stderr, "rerovuz-bench: cannot start the %s pass\n", passArg.c_str());
        return false;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "rerovuz-bench: the %s pass failed\n", passArg.c_str());
        return false;
    }
    return true;
}

// "key value" lines and "frame ..." lines, as the passes write them.
struct PassResult {
    std::map<std::string, std::string> values;
    std::vector<FrameRecord> frames;

    double number(const std::string& key) const {
        auto it = values.find(key);
        return it == values.end() ? 0.0 : std::atof(it->second.c_str());
    }
};

bool ReadResult(const std::string& path, PassResult& result) {
    std::ifstream in(path);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "frame") {
            FrameRecord r;
            if (!ParseFrame(line, r))
                return false;
            result.frames.push_back(r);
        } else if (!key.empty()) {
            std::string value;
            std::getline(words >> std::ws, value);
            result.values[key] = value;
        }
    }
    return true;
}

std::string CpuModel() {
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos ? line : line.substr(colon + 2);
        }
    return "unknown";
}

bool WriteFramesTable(const std::vector<FrameRecord>& frames, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "w");
    if (!out)
        return false;
    std::fprintf(out, "present\tscene\tdemo_ns\tcpu_ns\tfloor_ns\tfloor_cpu_ns\twalk_ns\tside_demo_"
                      "ns\tside_cpu_ns\tlogic_ns\t"
                      "spectrum_ns\tspectrum_calls\tgl_calls\tstream_bytes\treplay_checked\t"
                      "replay_same\tunrecorded_calls\trss_kib\tpeak_kib\n");
    for (const FrameRecord& r : frames) {
        std::string line = FormatFrame(r).substr(6); // without "frame "
        for (char& c : line)
            if (c == ' ')
                c = '\t';
        std::fprintf(out, "%s\n", line.c_str());
    }
    return std::fclose(out) == 0;
}

// Runs a pass and reads what it wrote.
bool RunAndRead(const Parent& p, Pass pass, const std::string& file, PassResult& result,
                const std::string& ticks = "") {
    return (p.reuse || Spawn(p, pass, file, ticks)) && ReadResult(file, result);
}

// Joins a pass's frames into the report's; the passes drew the same frames, so the present
// numbers and scenes agree. Of several rounds, each scene keeps its least disturbed one.
bool Join(std::vector<FrameRecord>& frames, const PassResult& pass, Pass kind) {
    if (pass.frames.size() != frames.size()) {
        std::fprintf(stderr, "rerovuz-bench: the %s pass presented %zu frames, the demo %zu\n",
                     PassName(kind), pass.frames.size(), frames.size());
        return false;
    }
    for (size_t i = 0; i < frames.size(); ++i) {
        FrameRecord& r = frames[i];
        const FrameRecord& o = pass.frames[i];
        if (o.scene != r.scene) {
            std::fprintf(stderr, "rerovuz-bench: the %s pass drew another frame at %zu\n",
                         PassName(kind), i);
            return false;
        }
        if (kind == Pass::Demo) {
            r.rssKiB = std::max(r.rssKiB, o.rssKiB);
            r.peakKiB = std::max(r.peakKiB, o.peakKiB);
        } else if (kind == Pass::Logic) {
            r.logicNs = o.logicNs;
            r.spectrumNs = o.spectrumNs;
            r.spectrumCalls = o.spectrumCalls;
            r.glCalls = o.glCalls;
        } else if (kind == Pass::Floor) {
            r.streamBytes = o.streamBytes;
            r.replayChecked += o.replayChecked;
            r.replaySame += o.replaySame;
            r.unrecordedCalls += o.unrecordedCalls;
        }
    }
    if (kind != Pass::Logic)
        TakeCalmerRound(frames, pass.frames, kind == Pass::Floor);
    return true;
}

void AddStartup(Report& report, const PassResult& pass) {
    report.startup.firstFrameMs.push_back(pass.number("first_frame_ns") * 1e-6);
    report.startup.loadingMs.push_back(pass.number("loading_ns") * 1e-6);
    report.startup.loadingCpuMs.push_back(pass.number("loading_cpu_ns") * 1e-6);
}

std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

int RunParent(Parent& p) {
    mkdir(p.out.c_str(), 0755);
    const std::string work = p.out + "/passes";
    mkdir(work.c_str(), 0755);
    Report report;
    report.machine.cpu = CpuModel();
    report.machine.cores = static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN));
    report.machine.loadBefore = LoadAverage();

    std::fprintf(stderr,
                 "rerovuz-bench: round 1 of %d: the demo at the machine's own rate "
                 "(about 75 s)\n",
                 p.rounds);
    PassResult demo;
    if (!RunAndRead(p, Pass::Demo, work + "/demo1.txt", demo) || demo.frames.empty())
        return 1;
    report.machine.renderer = demo.values["renderer"];
    report.machine.glVersion = demo.values["gl_version"];
    AddStartup(report, demo);
    report.frames = demo.frames;
    for (FrameRecord& r : report.frames)
        r.stepNs = r.demoNs;
    // Every later pass steps the counter as this one did, so all draw the same frames.
    const std::string ticksFile = work + "/ticks.txt";
    {
        std::ofstream ticks(ticksFile);
        for (const FrameRecord& r : demo.frames)
            ticks << r.demoNs << "\n";
    }

    std::fprintf(stderr, "rerovuz-bench: start-up and loads, %d fresh processes each\n",
                 p.startupRuns);
    for (int run = 1; run < p.startupRuns; ++run) {
        PassResult startup;
        const std::string file = work + "/startup" + std::to_string(run) + ".txt";
        if (!RunAndRead(p, Pass::Startup, file, startup))
            return 1;
        AddStartup(report, startup);
    }
    for (int run = 0; run < p.startupRuns; ++run) {
        PassResult loads;
        const std::string file = work + "/loads" + std::to_string(run) + ".txt";
        if (!RunAndRead(p, Pass::Loads, file, loads))
            return 1;
        report.startup.musicMs.push_back(loads.number("music_ns") * 1e-6);
        report.startup.modelsMs.push_back(loads.number("models_ns") * 1e-6);
        report.startup.picturesMs.push_back(loads.number("pictures_ns") * 1e-6);
        report.startup.otherMs.push_back(loads.number("other_ns") * 1e-6);
        report.startup.musicCpuMs.push_back(loads.number("music_cpu_ns") * 1e-6);
        report.startup.modelsCpuMs.push_back(loads.number("models_cpu_ns") * 1e-6);
        report.startup.picturesCpuMs.push_back(loads.number("pictures_cpu_ns") * 1e-6);
        report.startup.otherCpuMs.push_back(loads.number("other_cpu_ns") * 1e-6);
    }

    std::fprintf(stderr, "rerovuz-bench: scene logic against a do-nothing driver\n");
    PassResult logic;
    if (!RunAndRead(p, Pass::Logic, work + "/logic.txt", logic, ticksFile) ||
        !Join(report.frames, logic, Pass::Logic))
        return 1;
    for (int round = 1; round <= p.rounds; ++round) {
        if (round > 1) {
            std::fprintf(stderr, "rerovuz-bench: round %d of %d: the demo again\n", round,
                         p.rounds);
            PassResult again;
            const std::string file = work + "/demo" + std::to_string(round) + ".txt";
            if (!RunAndRead(p, Pass::Demo, file, again, ticksFile) ||
                !Join(report.frames, again, Pass::Demo))
                return 1;
            AddStartup(report, again);
        }
        std::fprintf(stderr,
                     "rerovuz-bench: round %d of %d: the renderer's floor, one frame in four "
                     "replayed beside the demo's own (about 2 min)\n",
                     round, p.rounds);
        PassResult floor;
        const std::string file = work + "/floor" + std::to_string(round) + ".txt";
        if (!RunAndRead(p, Pass::Floor, file, floor, ticksFile) ||
            !Join(report.frames, floor, Pass::Floor))
            return 1;
    }

    std::vector<double> spectrumCalls;
    for (const FrameRecord& r : report.frames) {
        if (r.spectrumCalls > 0) {
            report.spectrumCallNum += r.spectrumCalls;
            spectrumCalls.push_back(r.spectrumNs * 1e-3 / r.spectrumCalls);
        }
        if (r.scene >= 0 && report.loadedPeakMiB == 0)
            report.loadedPeakMiB = r.peakKiB / 1024.0;
        report.peakMemoryMiB = std::max(report.peakMemoryMiB, r.peakKiB / 1024.0);
        report.totalSeconds += r.demoNs * 1e-9;
    }
    report.spectrumCallUs = Summarise(spectrumCalls);
    report.machine.loadAfter = LoadAverage();
    report.scenes = FiguresByScene(report.frames);

    const std::string json = p.out + "/report.json";
    const std::string png = p.out + "/frametime.png";
    bool ok = WriteReportJson(report, json);
    ok = WriteFrametimePlot(report.frames, png) && ok;
    ok = WriteFramesTable(report.frames, p.out + "/frames.tsv") && ok;
    std::printf("%s", ReportTable(report).c_str());
    std::printf("written: %s, %s, %s/frames.tsv\n", json.c_str(), png.c_str(), p.out.c_str());
    for (const SceneFigures& s : report.scenes)
        if (s.replaySame != s.replayChecked || s.unrecordedCalls != 0) {
            std::printf("warning: the replay of %s differs from the demo's own frames; its "
                        "floor is not trustworthy\n",
                        kScenes[s.scene].name);
            ok = false;
        }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--pass") == 0) {
        PassOptions options;
        if (!ParsePass(argv[2], options.pass))
            return 2;
        for (int i = 3; i + 1 < argc; i += 2) {
            const std::string key = argv[i];
            if (key == "--assets")
                options.assets = argv[i + 1];
            else if (key == "--result")
                options.result = argv[i + 1];
            else if (key == "--ticks")
                options.ticks = argv[i + 1];
            else if (key == "--spawn-ns")
                options.spawnNs = std::atoll(argv[i + 1]);
        }
        return RunPass(options);
    }

    Parent p;
    p.self = SelfPath();
    const std::string here = Folder(p.self);
    p.recorder = here + "/librerovuz-glrec.so";
    p.assets = Folder(here) + "/demo";
    p.out = here;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--reuse") {
            p.reuse = true;
            continue;
        }
        if (i + 1 >= argc ||
            (arg != "--out" && arg != "--assets" && arg != "--rounds" && arg != "--startup-runs")) {
            std::fprintf(stderr, "%s", kUsage);
            return 2;
        }
        const std::string value = argv[++i];
        if (arg == "--out")
            p.out = Absolute(value);
        else if (arg == "--assets")
            p.assets = Absolute(value);
        else if (arg == "--rounds")
            p.rounds = std::max(1, std::atoi(value.c_str()));
        else
            p.startupRuns = std::max(1, std::atoi(value.c_str()));
    }
    return RunParent(p);
}
