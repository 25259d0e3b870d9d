#pragma once
// nrecords.dat: the label of every statistics index 1..100 for the records viewer, from
// data/src/record_labels.txt ("index label" per line; "--" marks an index that is no
// record).
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildRecordLabels(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
