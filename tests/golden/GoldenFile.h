#pragma once
// Golden digests: every output a golden test makes is reduced to a 64-bit FNV-1a digest under a
// key ("job system kind"), and the keys and digests are kept in a file under tests/golden. The
// test compares what it made with the file and names each key that differs, is new or is gone.
//
// QUELBOX_GOLDEN_UPDATE=1 rewrites the file from what the test made, for an intended change of
// output only. QUELBOX_GOLDEN_DUMP=FOLDER also writes every output whole, one file per key, so
// that the outputs of two builds can be compared with diff -r.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

std::uint64_t Fnv1a64(std::string_view bytes);

class GoldenOutputs {
public:
    // `fileName` names a file of the source folder tests/golden; `title` is its first comment.
    GoldenOutputs(std::string fileName, std::string title);

    // Keeps the digest of one output; a key may be given once.
    void Add(const std::string& job, const std::string& system, const std::string& kind,
             std::string_view output);

    // Compares with the stored file (or rewrites it in update mode). Reports every difference
    // as a test failure naming the key.
    void Check() const;

    std::size_t Count() const { return digests_.size(); }

private:
    std::string path_;
    std::string title_;
    std::map<std::string, std::uint64_t> digests_;
};
