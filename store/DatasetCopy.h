// Copying a dataset file to a new place as one consistent snapshot. The copy is read through the
// database engine's online backup, so a dataset that this program holds open is copied as its
// last committed state; it is written under a temporary name beside the target and takes the
// target's name only when whole.
#pragma once

#include <string>

// Copies the dataset at `source` to `target`, replacing a file already there. Fails, with a
// message in `error` and nothing changed at `target`, when the two name the same file, the
// source cannot be read as a dataset or the target cannot be written.
bool CopyDataset(const std::string& source, const std::string& target, std::string& error);
