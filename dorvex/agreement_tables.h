// The agreement of the first alignment with the second (the first as reference) as three
// tab-separated tables and as a short block of text for standard output; the scores of several
// methods against one reference as a table and as aligned text.
#pragma once
#include <string>
#include <vector>

#include "dorvex/agreement.h"

// Each writer writes one table whole (temporary file, then rename) and returns true when it
// was written; false when it could not be, leaving an earlier file of that name unchanged. The
// writers print nothing; the caller reports a failure with f_cantWriteTable. Ratios have six
// decimals or are "NA". agreement is f_computeAgreement with the first alignment as reference;
// names are the first alignment's, otherNames the second's.

// The scores of a pair as metric names and values (counts, or ratios with six decimals or "NA"):
// the sequence counts, the pair counts, sp, modeler, the column counts, tc, spfn, spfp and
// compression, in that order.
struct score_entry {
    const char* metric;
    std::string value;
};
std::vector<score_entry> f_scoreEntries(const alignment_agreement& agreement);

// metric / value rows: first the scope ("core" when only the reference's core residues were
// counted, else "all"), then f_scoreEntries.
[[nodiscard]] bool f_writeScoresTable(const std::string& path, const alignment_agreement& agreement);

// name, partner, residues, pairs, shared, agreement: one row per sequence of the first
// alignment, in its order. partner is the partner's name (the sequence's own name for a
// same-named partner that was not paired), empty when there is none; pairs, shared and
// agreement are "NA" for sequences that are not compared.
[[nodiscard]] bool f_writeSequencesTable(const std::string& path, const alignment_agreement& agreement,
                                         const std::vector<std::string>& names,
                                         const std::vector<std::string>& otherNames);

// column (from 1), residues, pairs, shared, agreement, identical (1 or 0): one row per column
// of the first alignment.
[[nodiscard]] bool f_writeAgreementColumnsTable(const std::string& path, const alignment_agreement& agreement);

// Writes prefix + "scores.tsv", "sequences.tsv" and "agreement_columns.tsv", printing
// "\n Can't write table file NAME" for each that could not be written (the others are still
// written). Returns false when any could not be written.
[[nodiscard]] bool f_writeAgreementTables(const std::string& prefix, const alignment_agreement& agreement,
                                          const std::vector<std::string>& names,
                                          const std::vector<std::string>& otherNames);

// The summary block, lines ending in "\n", without a blank line before it:
//   *** Agreement, first alignment as reference
//     - sequences compared:   42
//     - unpaired:             1 in the first, 2 in the second
//     - mismatched:           0
//     - SP:                   0.8952
//     - modeler:              0.9011
//     - TC:                   0.4609
//     - SPFN:                 0.1048
//     - SPFP:                 0.0989
//     - compression:          1.0312
//     - lowest agreement:     0.6123  HBA_HUMAN
//                             0.7010  MYG_PHYCA
// The ratios have four decimals or are "NA". The lowest-agreement lines list at most five
// compared sequences holding pairs, lowest first, ties in the order of the first alignment;
// with none, the line reads "none". When only the core was counted, the heading ends in
// ", core residues".
[[nodiscard]] std::string f_agreementSummary(const alignment_agreement& agreement,
                                             const std::vector<std::string>& names);

// One method's scores against the reference, and its name.
struct method_scores {
    std::string method;
    alignment_agreement agreement;
};

// method, then the metrics of f_scoreEntries as columns: one row per method, in order.
[[nodiscard]] bool f_writeMethodsTable(const std::string& path, const std::vector<method_scores>& methods);

// The same as aligned text, lines ending in "\n": a header line and one line per method with
// method, SP, modeler, TC, SPFN, SPFP and compression (four decimals or "NA"), every column as
// wide as its widest entry, two blanks apart.
[[nodiscard]] std::string f_methodsText(const std::vector<method_scores>& methods);
