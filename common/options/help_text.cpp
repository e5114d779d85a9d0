// --help, --version and the classic usage text. The flags and letters come from the flag table,
// the picture types from the picture-type table, the data folders from the data-file lookup.
//   1. layout   2. sections   3. the texts
#include "common/options/help_text.h"

#include <cstdlib>
#include <cstring>

#include "common/pictures/picture_types.h"
#include "common/io/data_files.h"
#include "common/io/trace.h"
#include "common/options/command_line.h"
#include "common/options/flag_table.h"
#include "project_config.h"

namespace {

// ---- 1. layout ----

constexpr std::size_t kWidth = 79;
constexpr std::size_t kTextColumn = 29;

// Appends text wrapped at kWidth, its lines after the first indented by indent blanks; the first
// line starts at column `at` of a line already begun.
void appendWrapped(std::string& out, const std::string& text, std::size_t at, std::size_t indent)
{
    std::size_t column = at;
    std::size_t start = 0;
    bool lineEmpty = true;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::size_t length = end - start;
        if (!lineEmpty && column + 1 + length > kWidth) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out.append(text, start, length);
        column += length;
        lineEmpty = false;
        start = end + 1;
    }
    out += "\n";
}

// One entry of a two-column list: the head from column 2, the text from textColumn (on the next
// line when the head reaches it).
void appendEntry(std::string& out, const std::string& head, const std::string& text,
                 std::size_t textColumn = kTextColumn)
{
    out += "  " + head;
    if (2 + head.size() + 2 > textColumn) {
        out += "\n";
        out += std::string(textColumn, ' ');
    } else {
        out += std::string(textColumn - 2 - head.size(), ' ');
    }
    appendWrapped(out, text, textColumn, textColumn);
}

// A paragraph of a section, indented as the entries are.
void appendParagraph(std::string& out, const std::string& text)
{
    out += "  ";
    appendWrapped(out, text, 2, 2);
}

// "-W, --width N" or "    --tables".
std::string flagHead(const flag_spec& flag)
{
    std::string head = flag.shortName != 0 ? std::string("-") + flag.shortName + ", " : std::string("    ");
    head += std::string("--") + flag.longName;
    if (flag.valueName != nullptr) head += std::string(" ") + flag.valueName;
    return head;
}

// ---- 2. sections ----

const char* alignmentOperands(program_kind program)
{
    return program == program_kind::vemura ? "ALIGNMENT" : "FIRST SECOND";
}

void appendFlags(std::string& out, program_kind program)
{
    out += "\nFlags:\n";
    for (const flag_spec& flag : f_flags())
        if (flag.id != flag_id::setting && f_hasFlag(flag, program))
            appendEntry(out, flagHead(flag), f_flagHelp(flag, program));
}

void appendSettings(std::string& out, program_kind program)
{
    out += "\nSettings:\n";
    appendParagraph(out,
                    std::string("Each is a flag or a line of the options file: a blank, the letter, then the "
                                "value (\" T My kinases\"). Flags are applied after the file: a flag wins, and ") +
                        (program == program_kind::vemura ? "the list of --type or --select replaces"
                                                         : "the list of --type replaces") +
                        " the file's list. In the file a number is read as far as it goes (\"12abc\" is 12); a "
                        "flag's number must be whole. Both stop at the int limits; a width or height beyond its "
                        "limits is taken at the limit, with a warning. A file line that sets nothing is warned "
                        "about, except blank lines and lines beginning with \"#\".");
    for (const flag_spec& flag : f_flags())
        if (flag.id == flag_id::setting && f_hasFlag(flag, program))
            appendEntry(out, std::string(1, flag.letter) + "  " + flagHead(flag), f_flagHelp(flag, program));
}

// The file names of a type in the program: "a", or "a, b" for dorvex's two alignments.
std::string pictureNames(const picture_type& type, program_kind program)
{
    if (program == program_kind::vemura) return type.vemuraTail;
    if (type.dorvexTails[1] == nullptr) return type.dorvexTails[0];
    return std::string(type.dorvexTails[0]) + ", " + type.dorvexTails[1];
}

void appendPictureTypes(std::string& out, program_kind program)
{
    out += "\nPicture types (t, --type), written to PREFIX + name + \".png\" (or the\n"
           "extension of each format of --format):\n";
    // Consecutive types that show the same are one entry ("3 to 10").
    const picture_type* runFirst = nullptr;
    const picture_type* runLast = nullptr;
    auto flush = [&]() {
        if (runFirst == nullptr) return;
        std::string numbers = std::to_string(runFirst->number);
        std::string names = pictureNames(*runFirst, program);
        if (runLast != runFirst) {
            numbers += " to " + std::to_string(runLast->number);
            names += " to " + pictureNames(*runLast, program);
        }
        numbers.resize(std::max<std::size_t>(numbers.size() + 2, 10), ' ');
        appendEntry(out, numbers + names, f_pictureSummary(program, runFirst->number));
        runFirst = nullptr;
    };
    for (const picture_type& type : f_pictureTypes()) {
        if (!f_drawsPicture(program, type.number)) continue;
        const bool continues = runFirst != nullptr && type.number == runLast->number + 1 &&
                               std::strcmp(f_pictureSummary(program, type.number),
                                           f_pictureSummary(program, runFirst->number)) == 0;
        if (!continues) {
            flush();
            runFirst = &type;
        }
        runLast = &type;
    }
    flush();
    appendParagraph(out, "Other numbers draw nothing (a warning says so).");
}

void appendExitCodes(std::string& out, program_kind program)
{
    const bool vemura = program == program_kind::vemura;
    const char* const empty = vemura ? "the alignment is empty or not an alignment"
                                     : "an alignment is empty or not an alignment";
    const char* const matrix = "the substitution matrix cannot be read";
    const char* const texts[] = {
        "done",
        "usage, options file or flags",
        vemura ? "the alignment file cannot be opened" : "an alignment file cannot be opened",
        vemura ? empty : matrix,
        vemura ? matrix : empty,
        "a picture or table could not be written (the others are)",
        "out of memory",
    };
    const int codes[] = {0, 1, 2, 3, 4, 5, 7};
    out += "\nExit codes:\n";
    for (std::size_t i = 0; i < sizeof codes / sizeof codes[0]; ++i) appendEntry(out, std::to_string(codes[i]), texts[i], 6);
}

void appendDataFiles(std::string& out)
{
    out += "\nData files:\n";
    appendParagraph(out,
                    "A matrix or colour-group file (m, g, or the defaults blosum62.matrix, dnarna.matrix, "
                    "color10.def, color5.def) is read from the working folder; a name without \"/\" that "
                    "is not there is looked for in each folder of the environment variable VEMURA_DATA "
                    "(colon-separated), then in the data folder installed with the program. Searched now, "
                    "after the working folder:");
    if (std::getenv("VEMURA_DATA") == nullptr) out += "    (VEMURA_DATA is not set)\n";
    for (const std::string& folder : f_dataFolders()) out += "    " + folder + "\n";
}

}  // namespace

// ---- 3. the texts ----

const char* f_programNameOf(program_kind program) { return program == program_kind::vemura ? "vemura" : "dorvex"; }

std::string f_helpText(program_kind program)
{
    const bool vemura = program == program_kind::vemura;
    const std::string name = f_programNameOf(program);
    std::string out = "Usage: " + name + " [FLAGS] " + alignmentOperands(program) + "\n";
    if (!vemura) out += "       " + name + " [FLAGS] --reference REFERENCE TEST...\n";
    out += "\n";
    appendWrapped(out,
                  std::string(vemura ? "Draws one multiple sequence alignment as PNG, SVG or PDF pictures."
                                     : "Compares two alignments of the same sequences made by two methods, "
                                       "scores how far they agree and draws the comparison as PNG, SVG or PDF "
                                       "pictures.") +
                      " The pictures go to the working folder, named after the alignment file" +
                      (vemura ? "" : "s") + "; the files written and the warnings are said on standard error. "
                      "\"-\" reads standard input (gzip too). \"--\" ends the flags.",
                  0, 0);
    out += "\nExamples:\n";
    if (vemura) {
        appendEntry(out, "vemura kinases.aln", "writes kinases_a.png");
        appendEntry(out, "vemura -t 0,11 --format png,svg -o fig_ kinases.aln",
                    "writes fig_a.png, fig_s1.png and the same as SVG");
    } else {
        appendEntry(out, "dorvex clustalo.aln mafft.fa",
                    "prints the agreement scores and writes clustalo_vs_mafft_a.png, _b.png, _ag.png, _bg.png");
        appendEntry(out, "dorvex -t 30 --tables -o cmp_ clustalo.aln mafft.fa",
                    "writes cmp_ag.png, cmp_bg.png and the tables of the scores");
        appendEntry(out, "dorvex --reference BB11001.msf mafft.fa clustalo.fa",
                    "prints the scores of both methods against the reference and writes BB11001_methods.tsv "
                    "and BB11001_methods.png");
    }
    appendFlags(out, program);
    out += "\nThe options file and the classic form:\n";
    appendParagraph(out,
                    "Settings you use again go into an options file, given before the alignment" +
                        std::string(vemura ? "" : "s") + ": " + name + " [FLAGS] OPTIONS_FILE " +
                        alignmentOperands(program) +
                        ". A run with an options file keeps the classic defaults (the trace on standard "
                        "output, the prefix gali, names of 10 characters" +
                        (vemura ? "" : ", picture type 0, no summary") +
                        ") and names no file it writes; flags change what they name. Without any flag (" + name +
                        " OPTIONS_FILE " + alignmentOperands(program) +
                        ") it is the classic form, which prints what it always printed; arguments after the " +
                        (vemura ? "alignment" : "second alignment") + " are ignored.");
    appendSettings(out, program);
    appendPictureTypes(out, program);
    appendExitCodes(out, program);
    appendDataFiles(out);
    return out;
}

std::string f_versionText(program_kind program)
{
    return std::string(f_programNameOf(program)) + " " + PROJECT_VERSION + "\n";
}

void f_printClassicUsage(program_kind program)
{
    if (program == program_kind::vemura) {
        f_say("Graphical Image of Alignment\n ");
        f_say("USAGE: vemura.exe optName alignName \n");
    } else {
        f_say("Compare Two Alignments\n ");
        f_say("USAGE: dorvex.exe optName alignName1 alignName2 \n");
    }
    f_say("      optName  - fileName of alignment options\n");
    f_say("    alignName  - fileName of input alignment\n");
}
