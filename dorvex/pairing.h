// The pairing of two alignments' sequences: by name, and by residues where a name is missing or
// repeated; same-named sequences whose residues differ are reported.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dorvex/alignment_input.h"

// Who is whose partner after the pairing, and where mismatched partners first disagree.
struct pairing {
    std::vector<int> partner12;           // per first sequence: second index, -1 none, -2 mismatch
    std::vector<int> partner21;           // per second sequence: first index, -1 none, -2 mismatch
    std::vector<int> mismatchCols1;       // per first sequence: 1-based column, -1 when none
    std::vector<int> mismatchCols2;       // per second sequence: the same
    std::vector<std::size_t> mismatched;  // first sequences whose namesake holds other residues
    bool reportWritten = false;           // the mismatch report was written
};

// Pairs every first sequence with the second one of the same name, or, when that name is missing
// or occurs more than once in either alignment, with the first second sequence of the same
// residues that is not paired yet and whose name is not kept for its namesake. A same-named pair
// of different residues is a mismatch: it is reported in the report file reportName (created at
// the first one; none when reportName is empty) and stays unpaired unless mismatchMode is 1.
// Prints the pairing trace.
pairing f_pairSequences(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                        int mismatchMode);

// Pairs as f_pairSequences does, for a caller that counts the agreement of the pairing next and
// prints nothing in between: countMismatched counts it for the pairing given and returns its
// mismatched sequences. The namesakes are first trusted (the counting compares every pair it
// walks); only when the count finds some that differ are they paired again, compared (with the
// report and trace of f_pairSequences), and counted again. Returns the pairing counted last.
pairing f_pairAndCount(const alignment_input& first, const alignment_input& second, const std::string& reportName,
                       int mismatchMode, const std::function<std::int64_t(const pairing&)>& countMismatched);

// Warns about the same-named sequences whose residues differ (at most five of their names),
// pointing to the mismatch report reportName when it was written.
void f_warnMismatched(const pairing& pairs, const alignment_input& first, const std::string& firstName,
                      const std::string& secondName, const std::string& reportName);

// Warns about the sequences left without a partner (mismatched same-named ones are not counted:
// the trace and the report speak of them), or, when nothing pairs at all, says so. firstName and
// secondName name the two alignments.
void f_warnUnpaired(const pairing& pairs, const std::string& firstName, const std::string& secondName);
