// Work shared out over the machine's cores: a range of items split into as many parts as there
// are cores, each part done on a thread of its own.
#pragma once
#include <cstddef>
#include <functional>

// The number of parts f_splitWork splits a range into: the machine's cores, 1 when unknown.
std::size_t f_workParts();

// Calls work(part, begin, end) for each part of [0, count) split into f_workParts() consecutive
// ranges of nearly equal size (part counted from 0; the ranges of one count are the same on every
// call), each on a thread of its own, the calling thread taking the first; returns when all are
// done. Parts write only what is theirs: a result that sums over parts is summed by the caller,
// in the order of the parts, so that it does not depend on which thread ends first.
using part_work = std::function<void(std::size_t part, std::size_t begin, std::size_t end)>;
void f_splitWork(std::size_t count, const part_work& work);
