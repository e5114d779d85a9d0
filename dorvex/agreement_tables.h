// The agreement of the first alignment with the second (the first as reference) as three
// tab-separated tables and as a short block of text for standard output.
#pragma once
#include <string>
#include <vector>

#include "dorvex/agreement.h"

// Each writer writes one table whole (temporary file, then rename) and returns true when it
// was written; false when it could not be, leaving an earlier file of that name unchanged. The
// writers print nothing; the caller reports a failure with f_cantWriteTable. Ratios have six
// decimals or are "NA". agreement is f_computeAgreement with the first alignment as reference;
// names are the first alignment's, otherNames the second's.

// metric / value rows: the sequence counts, the pair counts, sp, modeler and the column counts
// and tc, in that order.
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
//     - lowest agreement:     0.6123  HBA_HUMAN
//                             0.7010  MYG_PHYCA
// The ratios have four decimals or are "NA". The lowest-agreement lines list at most five
// compared sequences holding pairs, lowest first, ties in the order of the first alignment;
// with none, the line reads "none".
[[nodiscard]] std::string f_agreementSummary(const alignment_agreement& agreement,
                                             const std::vector<std::string>& names);
