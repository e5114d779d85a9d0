// Program-level test support: fork and exec with both output streams captured through pipes;
// tables of runs checked against their patterns.
#include "tests/support/program_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "test_paths.h"
#include "tests/support/png_picture.h"
#include "tests/support/table_file.h"

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "vemura-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Read-only files and directories made by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, const std::string& content) const
{
    std::ofstream out(file(name), std::ios::binary);
    out << content;
}

std::string TempDir::read(const std::string& name) const { return read_file(file(name)); }

bool TempDir::exists(const std::string& name) const { return fs::exists(file(name)); }

void TempDir::copyData(const std::string& name) const
{
    fs::copy_file(std::string(DATA_DIR) + "/" + name, file(name), fs::copy_options::overwrite_existing);
}

const std::vector<std::string> kShippedData = {"blosum62.matrix", "dnarna.matrix", "color10.def", "color5.def"};

void TempDir::copyAllData() const
{
    for (const std::string& name : kShippedData) copyData(name);
}

std::vector<std::string> TempDir::listing() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> TempDir::addedSince(const std::vector<std::string>& before) const
{
    std::vector<std::string> added;
    for (const std::string& name : listing())
        if (std::find(before.begin(), before.end(), name) == before.end()) added.push_back(name);
    return added;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

run_result run_program(const std::string& binary, const std::vector<std::string>& args,
                       const std::string& dir, const std::vector<std::string>& env, const std::string& input)
{
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
    signal(SIGPIPE, SIG_IGN);  // a program that stops reading its input must not end the test
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(inPipe[0], 0);
        dup2(outPipe[1], 1);
        dup2(errPipe[1], 2);
        for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) close(fd);
        if (chdir(dir.c_str()) != 0) _exit(126);
        // A data folder set for the person running the tests must not change what they see.
        unsetenv("VEMURA_DATA");
        for (const std::string& entry : env) putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> argv = {const_cast<char*>(binary.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);

    run_result result;
    pollfd fds[3] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}, {inPipe[1], POLLOUT, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    std::size_t fed = 0;
    char buffer[65536];
    while (open > 0) {
        if (fds[2].fd >= 0 && fed == input.size()) close(fds[2].fd), fds[2].fd = -1;
        if (poll(fds, 3, -1) < 0) continue;
        if (fds[2].fd >= 0 && fds[2].revents != 0) {
            const ssize_t n = ::write(fds[2].fd, input.data() + fed, input.size() - fed);
            fed = n > 0 ? fed + static_cast<std::size_t>(n) : input.size();  // a closed pipe takes no more
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            close(fds[i].fd);
            fds[i].fd = -1;
            --open;
        }
    }
    if (fds[2].fd >= 0) close(fds[2].fd);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

namespace {

std::vector<std::string> allFiles(const std::string& root)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        names.push_back(fs::relative(entry.path(), root).string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kAnything = "\u2026";

// The fields of a line, separated by sep.
std::vector<std::string> split(const std::string& line, char sep)
{
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, sep);) fields.push_back(cell);
    return fields;
}

// What a rule puts at one place of a picture (a row of a picture table).
struct picture_probe {
    std::string file;
    int x, y;  // x < 0: anywhere in the row band (texts)
    std::uint32_t colour;
    std::string rule;
    std::string text;  // a text standing there, in face
    font_face face;
    int dashedTo;  // the row from x to here in dashes
};

// The picture table of a program, by case: read once.
const std::multimap<std::string, picture_probe>& probeTable(const std::string& program)
{
    static std::map<std::string, std::multimap<std::string, picture_probe>> tables;
    const auto [table, fresh] = tables.try_emplace(program);
    if (!fresh) return table->second;
    std::map<std::string, std::uint32_t> colours = {{"outside", 0xFFFFFFFFu}};
    auto colourOf = [&](const std::string& name) {
        const std::vector<std::string> rgbs = split(name, ',');
        return rgbs.size() == 3 ? rgb(std::stoi(rgbs[0]), std::stoi(rgbs[1]), std::stoi(rgbs[2])) : colours.at(name);
    };
    for (const table_row& field : read_table("pictures/" + program + ".tsv", 3)) {
        if (field[0] == "colour") {
            colours[field[1]] = colourOf(field[2]);
            continue;
        }
        const std::string what = field[5], face = what.substr(0, what.find(' '));
        picture_probe p{field[1], field[2] == "*" ? -1 : std::stoi(field[2]), std::stoi(field[3]), colourOf(field[4]),
                        field.at(6), "", font_face::small, 0};
        if (what.rfind("dashes to ", 0) == 0) {
            p.dashedTo = std::stoi(what.substr(10));
        } else if (what != "-") {
            p.face = face == "tiny" ? font_face::tiny : face == "bold" ? font_face::medium_bold
                     : face == "giant" ? font_face::giant : font_face::small;
            p.text = what.substr(face.size() + 1);
        }
        table->second.emplace(field[0], p);
    }
    if (table->second.empty()) throw std::runtime_error("no probes in the picture table of " + program);
    return table->second;
}

void expectMatch(const std::string& text, const std::string& pattern, const char* what)
{
    if (pattern.find(kAnything) == std::string::npos)
        EXPECT_EQ(text, pattern) << what;
    else
        EXPECT_TRUE(matches(text, pattern)) << what << ":\n" << text << "\n--- does not match:\n" << pattern;
}

}  // namespace

program_run::program_run(const file_set& files, const std::vector<std::string>& data)
{
    for (const auto& [name, content] : files) {
        if (name.back() == '/')
            fs::create_directory(dir.file(name));
        else
            dir.write(name, content);
    }
    for (const std::string& name : data)
        if (files.count(name) == 0) dir.copyData(name);
}

void program_run::run(const std::string& program, const std::vector<std::string>& args)
{
    const std::vector<std::string> before = allFiles(dir.path());
    result = run_program(std::string(BUILD_DIR) + "/" + program, args, dir.path());
    added.clear();
    for (const std::string& name : allFiles(dir.path()))
        if (!std::binary_search(before.begin(), before.end(), name)) added.push_back(name);
}

bool matches(const std::string& text, const std::string& pattern)
{
    std::size_t from = 0, at = 0;  // in pattern, in text
    for (bool first = true;; first = false) {
        const std::size_t gap = pattern.find(kAnything, from);
        const std::string piece = pattern.substr(from, gap - from);
        if (gap == std::string::npos)  // the last piece ends the text
            return first ? text == piece
                         : text.size() >= at + piece.size() &&
                               text.compare(text.size() - piece.size(), piece.size(), piece) == 0;
        const std::size_t found = first ? (text.compare(0, piece.size(), piece) == 0 ? 0 : std::string::npos)
                                        : text.find(piece, at);
        if (found == std::string::npos) return false;
        at = found + piece.size();
        from = gap + kAnything.size();
    }
}

std::string alignment_rows(int count, int columns, const std::string& residues)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "s" + std::to_string(i) + " ";
        for (int c = 0; c < columns; ++c) text += residues[static_cast<std::size_t>(3 * c + 7 * i) % residues.size()];
        text += "\n";
    }
    return text;
}

std::vector<program_case> manifest_cases(const std::string& folder)
{
    const std::string at = std::string(TEST_DATA_DIR) + "/" + folder + "/";
    std::vector<program_case> cases;
    for (const table_row& field : read_table(folder + "/MANIFEST", 8)) {
        if (field.size() != 8) throw std::runtime_error(folder + "/MANIFEST: not 8 fields in " + field[0]);
        program_case c{field[0], {}, {}, std::stoi(field[3]), field[4], field[5]};
        for (const std::string& file : split(field[1], ' ')) {
            const std::size_t eq = file.find('=');
            c.files[file.substr(0, eq)] = eq == std::string::npos ? "" : read_file(at + file.substr(eq + 1));
        }
        if (field[2] != "-") c.args = split(field[2], ' ');
        if (field[6] != "-") c.added = split(field[6], ',');
        cases.push_back(c);
    }
    return cases;
}

void PrintTo(const program_case& c, std::ostream* os) { *os << c.label; }

std::string case_name(const testing::TestParamInfo<program_case>& info) { return info.param.label; }

void expect_case(const std::string& program, const program_case& c)
{
    const program_run run(program, c.args, c.files, c.data);
    EXPECT_EQ(run.result.exit_code, c.exit_code);
    expectMatch(run.result.out, c.out, "standard output");
    expectMatch(run.result.err, c.err, "standard error");
    EXPECT_EQ(run.added, c.added);
    for (const auto& [name, content] : c.contents) expectMatch(run.dir.read(name), content, name.c_str());
    std::map<std::string, std::unique_ptr<png_picture>> pictures;
    const auto [from, to] = probeTable(program).equal_range(c.label);
    for (auto it = from; it != to; ++it) {
        const picture_probe& probe = it->second;
        auto& p = pictures[probe.file];
        if (!p) p = std::make_unique<png_picture>(run.file(probe.file));
        const std::string where =
            probe.file + " " + std::to_string(probe.x) + "," + std::to_string(probe.y) + ": " + probe.rule;
        if (!probe.text.empty()) {
            const std::vector<int> found = find_text(*p, probe.face, probe.text, probe.y, probe.colour);
            if (probe.x < 0)
                EXPECT_EQ(found.size(), 1u) << where;
            else
                EXPECT_EQ(found, std::vector<int>{probe.x}) << where;
        } else if (probe.dashedTo > 0) {
            int drawn = 0, longest = 0;
            for (int x = probe.x, length = 0; x <= probe.dashedTo; ++x) {
                length = p->rgb(x, probe.y) == probe.colour ? length + 1 : 0;
                drawn += length > 0;
                longest = std::max(longest, length);
            }
            EXPECT_GE(drawn * 3, probe.dashedTo - probe.x + 1) << where;
            EXPECT_LE(longest, 4) << where;
        } else {
            EXPECT_EQ(p->rgb(probe.x, probe.y), probe.colour) << where;
        }
    }
}

void expect_probed_cases_among(const std::string& program, const std::vector<program_case>& cases)
{
    for (const auto& [label, probe] : probeTable(program))
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [&](const program_case& c) { return c.label == label; }))
            << label << " (" << probe.file << " " << probe.x << "," << probe.y << ") names no case";
}
