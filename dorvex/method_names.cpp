// Telling apart tests whose file names give the same method name.
//   1. paths   2. the names
#include "dorvex/method_names.h"

#include <algorithm>
#include <map>
#include <set>

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

// The depth of the shortest tail of each path that no other path has at the same depth; its
// whole length when there is none (a path that ends another one, "a/x" in "b/a/x").
std::vector<std::size_t> distinctDepths(const std::vector<std::vector<std::string>>& paths)
{
    std::vector<std::size_t> depths(paths.size(), 0);
    for (std::size_t depth = 1, open = paths.size(); open > 0; ++depth) {
        std::map<std::string, int> sharing;
        for (const std::vector<std::string>& path : paths) ++sharing[tail(path, depth)];
        for (std::size_t i = 0; i < paths.size(); ++i)
            if (depths[i] == 0 && (sharing[tail(paths[i], depth)] == 1 || depth >= paths[i].size())) {
                depths[i] = depth;
                --open;
            }
    }
    return depths;
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
        const std::vector<std::size_t> depths = distinctDepths(paths);
        std::vector<std::string> byFolders, byFileNames;
        std::map<std::string, std::set<std::string>> fileNamesOf;  // by the name the folders give
        for (std::size_t m = 0; m < members.size(); ++m) {
            byFolders.push_back(tail(paths[m], depths[m]));
            byFileNames.push_back(tail(pathParts(tests[members[m]], true), depths[m]));
            fileNamesOf[byFolders[m]].insert(byFileNames[m]);
        }
        // Tests in one folder whose names differ only in their extensions show them.
        for (std::size_t m = 0; m < members.size(); ++m)
            names[members[m]] = fileNamesOf[byFolders[m]].size() > 1 ? byFileNames[m] : byFolders[m];
    }
    // A file given twice, or a name whose file-name form is another's: numbered in order.
    std::map<std::string, int> sharing, counted;
    for (const std::string& name : names) ++sharing[f_methodFileName(name)];
    for (std::string& name : names) {
        const std::string fileName = f_methodFileName(name);
        if (sharing[fileName] > 1) name += "#" + std::to_string(++counted[fileName]);
    }
    return names;
}

std::string f_methodFileName(std::string method)
{
    std::replace(method.begin(), method.end(), '/', '_');
    return method;
}
