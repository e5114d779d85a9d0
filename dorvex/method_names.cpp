// Telling apart tests whose file names give the same method name.
//   1. paths   2. the names
#include "dorvex/method_names.h"

#include <algorithm>
#include <map>

#include "common/options/everyday_defaults.h"

namespace {

// ---- 1. paths ----

// The folders of a path, then its file name (withExtension) or the method name its file name
// gives; "." and empty folder names ("a//b", "/data") are left out.
std::vector<std::string> pathParts(const std::string& path, bool withExtension)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= path.size();) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (!part.empty() && part != ".") parts.push_back(part);
        start = end + 1;
    }
    if (parts.empty()) parts.push_back(path);  // "/" or "."
    if (!withExtension) parts.back() = f_fileStem(path);
    return parts;
}

// The last `depth` parts of a path (all of them when it has fewer), joined by "/".
std::string tail(const std::vector<std::string>& parts, std::size_t depth)
{
    std::string joined;
    for (std::size_t i = parts.size() - std::min(depth, parts.size()); i < parts.size(); ++i)
        joined += (joined.empty() ? "" : "/") + parts[i];
    return joined;
}

// The depth of the shortest tail of paths[i] that no other path has at the same depth; its
// whole length when there is none (a path that ends another one, "a/x" in "b/a/x").
std::size_t distinctDepth(const std::vector<std::vector<std::string>>& paths, std::size_t i)
{
    std::size_t depth = 1;
    for (; depth < paths[i].size(); ++depth) {
        bool shared = false;
        for (std::size_t j = 0; j < paths.size() && !shared; ++j)
            shared = j != i && tail(paths[j], depth) == tail(paths[i], depth);
        if (!shared) break;
    }
    return depth;
}

// True when names[i] is in names once.
bool unique(const std::vector<std::string>& names, std::size_t i)
{
    return std::count(names.begin(), names.end(), names[i]) == 1;
}

}  // namespace

// ---- 2. the names ----

std::vector<std::string> f_methodNames(const std::vector<std::string>& tests)
{
    std::map<std::string, std::vector<std::size_t>> byStem;
    for (std::size_t i = 0; i < tests.size(); ++i) byStem[f_fileStem(tests[i])].push_back(i);
    std::vector<std::string> names(tests.size());
    for (const auto& [stem, members] : byStem) {
        if (members.size() == 1) {
            names[members[0]] = stem;
            continue;
        }
        std::vector<std::vector<std::string>> paths;
        for (std::size_t i : members) paths.push_back(pathParts(tests[i], false));
        std::vector<std::string> byFolders, byFileNames;
        for (std::size_t m = 0; m < members.size(); ++m) {
            const std::size_t depth = distinctDepth(paths, m);
            byFolders.push_back(tail(paths[m], depth));
            byFileNames.push_back(tail(pathParts(tests[members[m]], true), depth));
        }
        // Tests in one folder whose names differ only in their extensions show them.
        for (std::size_t m = 0; m < members.size(); ++m) {
            bool extensionTells = false;
            for (std::size_t n = 0; n < members.size(); ++n)
                extensionTells |= byFolders[n] == byFolders[m] && byFileNames[n] != byFileNames[m];
            names[members[m]] = extensionTells ? byFileNames[m] : byFolders[m];
        }
    }
    // A file given twice, or a name whose file-name form is another's: numbered in order.
    std::vector<std::string> fileNames;
    for (const std::string& name : names) fileNames.push_back(f_methodFileName(name));
    std::map<std::string, int> counted;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!unique(fileNames, i)) names[i] += "#" + std::to_string(++counted[fileNames[i]]);
    return names;
}

std::string f_methodFileName(std::string method)
{
    std::replace(method.begin(), method.end(), '/', '_');
    return method;
}
