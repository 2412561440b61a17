#include "io/gmt_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace varenko::io {
namespace {

using core::Pathway;

struct Expected {
  std::string name;
  std::optional<std::string> description;
  std::vector<std::string> genes;
};

void expect_pathways(const core::PathwayDb& db, const std::vector<Expected>& expected) {
  ASSERT_EQ(db.pathways.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("pathway " + std::to_string(i));
    EXPECT_EQ(db.pathways[i].name, expected[i].name);
    EXPECT_EQ(db.pathways[i].description, expected[i].description);
    EXPECT_EQ(db.pathways[i].genes, expected[i].genes);
  }
}

bool same_db(const core::PathwayDb& a, const core::PathwayDb& b) {
  return std::equal(a.pathways.begin(), a.pathways.end(), b.pathways.begin(), b.pathways.end(),
                    [](const Pathway& x, const Pathway& y) {
                      return x.name == y.name && x.description == y.description &&
                             x.genes == y.genes;
                    });
}

TEST(GmtReader, ParsesLinesByTheFormatRules) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<Expected> expected;
  };
  const std::string bom = "\xEF\xBB\xBF";
  const Case cases[] = {
      {"empty file", "", {}},
      {"only blank lines, CRLF and Unicode spaces", "\n  \r\n\t\t\n\xE3\x80\x80\n", {}},
      {"empty field dropped, duplicate kept", "P1\tdesc\tA\tB\t\tA\n",
       {{"P1", "desc", {"A", "B", "A"}}}},
      {"CR before LF dropped, gene trimmed, empty description absent", "P1\t\t A \r\n",
       {{"P1", std::nullopt, {"A"}}}},
      {"name keeps its leading space", " P1\tdesc\tA", {{" P1", "desc", {"A"}}}},
      {"three fields, last empty", "P1\tdesc\t\n", {{"P1", "desc", {}}}},
      {"description not trimmed", "P1\t d \tA\n", {{"P1", " d ", {"A"}}}},
      {"CR-only line ends", "P1\td\tA\rP2\td\tB\rP3\td\tC",
       {{"P1", "d", {"A"}}, {"P2", "d", {"B"}}, {"P3", "d", {"C"}}}},
      {"LF, CRLF and CR mixed; CR CR LF is a blank line between",
       "P1\td\tA\nP2\td\tB\r\nP3\td\tC\r\r\nP4\td\tD\r",
       {{"P1", "d", {"A"}}, {"P2", "d", {"B"}}, {"P3", "d", {"C"}}, {"P4", "d", {"D"}}}},
      {"Unicode white space trimmed from genes",
       "P1\td\t\xC2\xA0" "A\xE3\x80\x80\t\xE2\x80\x83\xE2\x80\xA8" "B\xC2\x85\t\xE2\x80\x83\n",
       {{"P1", "d", {"A", "B"}}}},
      {"zero-width space and BOM inside a gene are not white space",
       "P1\td\t\xE2\x80\x8B" "A\t" "B\xEF\xBB\xBF\n",
       {{"P1", "d", {"\xE2\x80\x8B" "A", "B\xEF\xBB\xBF"}}}},
      {"inner spaces of a gene kept", "P1\td\t A B \n", {{"P1", "d", {"A B"}}}},
      {"non-ASCII gene names", "P\xC3\xA9\td\t\xCE\xB1\xCE\xB2\n",
       {{"P\xC3\xA9", "d", {"\xCE\xB1\xCE\xB2"}}}},
      {"same name twice gives two pathways", "P\td\tA\nP\td\tB\n",
       {{"P", "d", {"A"}}, {"P", "d", {"B"}}}},
      {"blank lines between pathways", "\nP1\td\tA\n\n\nP2\td\tB\n\n",
       {{"P1", "d", {"A"}}, {"P2", "d", {"B"}}}},
      {"leading byte-order mark skipped", bom + "P1\td\tA\n", {{"P1", "d", {"A"}}}},
      {"only one byte-order mark skipped", bom + bom + "P1\td\tA\n",
       {{bom + "P1", "d", {"A"}}}},
      {"byte-order mark on a later line is kept", "P1\td\tA\n" + bom + "P2\td\tB\n",
       {{"P1", "d", {"A"}}, {bom + "P2", "d", {"B"}}}},
      {"byte-order mark then a blank line", bom + "\r\nP1\td\tA", {{"P1", "d", {"A"}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto db = parse_gmt(c.text);
    ASSERT_TRUE(db.ok()) << db.error();
    expect_pathways(*db, c.expected);
  }
}

TEST(GmtReader, ReportsTheFirstProblemWithItsExactMessage) {
  struct Case {
    const char* name;
    std::string text;
    const char* message;
  };
  const std::string bad_utf8 = "stream did not contain valid UTF-8";
  const Case cases[] = {
      {"one field", "P1\n", "Malformed GMT line 1: expected at least 3 tab-separated columns."},
      {"two fields after blank lines count the blank lines", "\n \r\nP3\tx\nP4\td\tA\n",
       "Malformed GMT line 3: expected at least 3 tab-separated columns."},
      {"two fields without terminator", "P1\td\tA\nP2\td",
       "Malformed GMT line 2: expected at least 3 tab-separated columns."},
      {"two fields with a CR", "P1\td\r\n",
       "Malformed GMT line 1: expected at least 3 tab-separated columns."},
      {"CR-only lines are counted", "P1\td\tA\r\rP3\tx\r",
       "Malformed GMT line 3: expected at least 3 tab-separated columns."},
      {"a CR inside a field ends the line", "P1\tD\rX\tA\n",
       "Malformed GMT line 1: expected at least 3 tab-separated columns."},
      {"padded two fields are not blank", "  P1\t  \n",
       "Malformed GMT line 1: expected at least 3 tab-separated columns."},
      {"malformed line before a bad UTF-8 line", "P1\td\tA\nP2\n\xFF\n",
       "Malformed GMT line 2: expected at least 3 tab-separated columns."},
      {"bad UTF-8 line before a malformed line", "P1\td\t\xFF\nP2\n", bad_utf8.c_str()},
      {"bad UTF-8 in a blank-looking line", " \xFF \n", bad_utf8.c_str()},
      {"lone continuation byte", "P\td\t\x80\n", bad_utf8.c_str()},
      {"overlong encoding", "P\td\t\xC0\xAF\n", bad_utf8.c_str()},
      {"overlong three-byte encoding", "P\td\t\xE0\x80\xAF\n", bad_utf8.c_str()},
      {"surrogate", "P\td\t\xED\xA0\x80\n", bad_utf8.c_str()},
      {"above U+10FFFF", "P\td\t\xF4\x90\x80\x80\n", bad_utf8.c_str()},
      {"truncated at end of file", "P\td\t\xE2\x82", bad_utf8.c_str()},
      {"truncated before LF", "P\td\t\xE2\x82\nQ\td\tA\n", bad_utf8.c_str()},
      {"Latin-1 text", "P\td\tcaf\xE9\n", bad_utf8.c_str()},
      {"binary content", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), bad_utf8.c_str()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_ERROR(parse_gmt(c.text), c.message);
  }
}

TEST(GmtReader, LinesSplitAcrossReadsParseTheSame) {
  // A long line forces the reader's buffer to grow; tiny reads cut lines,
  // CRLF pairs and multi-byte characters at every possible place.
  std::string text = "\xEF\xBB\xBFP1\td\t\xC2\xA0" "A\r\n\r\nP2\t\tB\t\xE3\x80\x80" "C\n";
  text += "LONG\td";
  for (int i = 0; i < 60000; ++i) text += "\tGENE" + std::to_string(i);
  text += "\nP3\td\t\xCE\xB1\rP4\td\tD\r\r\nP5\td\tE\r";
  auto whole = parse_gmt(text);
  ASSERT_TRUE(whole.ok()) << whole.error();
  ASSERT_EQ(whole->pathways.size(), 6u);
  EXPECT_EQ(whole->pathways[0].genes, std::vector<std::string>{"A"});
  EXPECT_EQ(whole->pathways[2].genes.size(), 60000u);
  EXPECT_EQ(whole->pathways[2].genes.back(), "GENE59999");
  EXPECT_EQ(whole->pathways[3].genes, std::vector<std::string>{"\xCE\xB1"});

  for (const std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                                  std::size_t{4096}}) {
    SCOPED_TRACE("piece " + std::to_string(piece));
    std::size_t offset = 0;
    auto db = read_gmt_from([&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
      const std::size_t n = std::min({piece, capacity, text.size() - offset});
      std::memcpy(out, text.data() + offset, n);
      offset += n;
      return n;
    });
    ASSERT_TRUE(db.ok()) << db.error();
    EXPECT_TRUE(same_db(*db, *whole));
  }
}

TEST(GmtReader, ArbitraryBytesGiveTheSameOutcomeWhateverTheReadSizes) {
  // Bytes drawn from the characters that matter to the reader: separators,
  // terminators, white space, the byte-order mark and broken UTF-8.
  const std::string alphabet[] = {"\t", "\n", "\r", " ", "A", "\xEF\xBB\xBF", "\xC2\xA0",
                                  "\xE3\x80\x80", "\xC2", "\x80", "\xFF", std::string(1, '\0')};
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
  std::uniform_int_distribution<std::size_t> length(0, 40);
  std::uniform_int_distribution<std::size_t> piece(1, 6);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (std::size_t n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
    SCOPED_TRACE(::testing::PrintToString(text));
    auto whole = parse_gmt(text);
    std::size_t offset = 0;
    auto split = read_gmt_from([&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
      const std::size_t n = std::min({piece(rng), capacity, text.size() - offset});
      std::memcpy(out, text.data() + offset, n);
      offset += n;
      return n;
    });
    ASSERT_EQ(whole.ok(), split.ok());
    if (whole.ok()) {
      EXPECT_TRUE(same_db(*whole, *split));
    } else {
      EXPECT_EQ(whole.error(), split.error());
    }
  }
}

TEST(GmtReader, EachSetReachesTheSinkAsItsLineIsRead) {
  // The sink sees the sets in order while reading goes on, and its failure,
  // like a parse failure, ends the read with the line being read.
  const std::string text = "P1\td\tA\nP2\td\tB\nP3\td\tC\n";
  std::size_t offset = 0;
  std::size_t pulled = 0;
  const ByteSource by_line = [&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
    const std::size_t got = std::min({capacity, std::size_t{7}, text.size() - offset});
    std::memcpy(out, text.data() + offset, got);
    offset += got;
    pulled += got;
    return got;
  };
  std::vector<std::pair<std::string, std::size_t>> seen;
  const PathwaySink stop_at_p2 = [&](core::Pathway&& p) -> core::Status {
    seen.emplace_back(p.name, pulled);
    if (p.name == "P2") return core::fail("enough");
    return core::Status::success();
  };
  std::size_t line = 0;
  const core::Status status = read_gmt_each(by_line, stop_at_p2, kMaxGmtLineBytes, &line);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error(), "enough");
  EXPECT_EQ(line, 2u);
  ASSERT_EQ(seen.size(), 2u);
  // Each read brings one whole line: its set is handed on before the next read.
  EXPECT_EQ(seen[0], (std::pair<std::string, std::size_t>{"P1", 7}));
  EXPECT_EQ(seen[1], (std::pair<std::string, std::size_t>{"P2", 14}));

  const std::string invalid = "P1\td\tA\rP2\td\t\xFF\r";
  std::size_t at = 0;
  const core::Status utf8 = read_gmt_each(
      [&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
        const std::size_t n = std::min(capacity, invalid.size() - at);
        std::memcpy(out, invalid.data() + at, n);
        at += n;
        return n;
      },
      [](core::Pathway&&) { return core::Status::success(); }, kMaxGmtLineBytes, &line);
  EXPECT_EQ(utf8.error(), "stream did not contain valid UTF-8");
  EXPECT_EQ(line, 2u);
}

TEST(GmtReader, LinesLongerThanTheLimitFail) {
  // An endless source without LF (such as /dev/zero) ends at the limit, both
  // below the first read's size and past a few buffer growths.
  struct Case {
    const char* name;
    std::string text;  // empty: endless NUL bytes
    std::size_t limit;
    const char* message;  // null: accepted
  };
  const Case cases[] = {
      {"line of exactly the limit", "P\td\tABCDEF\n", 10, nullptr},
      {"terminated line one byte too long", "P\td\tA\nP\td\tABCDEFG\n", 10,
       "Malformed GMT line 2: longer than 10 bytes."},
      {"unterminated line too long", "P\td\tA\n\nP\td\tABCDEFG", 10,
       "Malformed GMT line 3: longer than 10 bytes."},
      {"endless source", "", 1000, "Malformed GMT line 1: longer than 1000 bytes."},
      {"endless source past buffer growth", "", 600000,
       "Malformed GMT line 1: longer than 600000 bytes."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t offset = 0;
    std::size_t served = 0;
    auto db = read_gmt_from(
        [&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
          if (c.text.empty()) {
            if (served > (std::size_t{8} << 20)) return core::fail("the reader kept reading");
            std::memset(out, 0, capacity);
            served += capacity;
            return capacity;
          }
          const std::size_t n = std::min(capacity, c.text.size() - offset);
          std::memcpy(out, c.text.data() + offset, n);
          offset += n;
          return n;
        },
        c.limit);
    if (c.message == nullptr) {
      EXPECT_TRUE(db.ok()) << db.error();
    } else {
      EXPECT_ERROR(db, c.message);
    }
  }
}

TEST(GmtReader, ReadFailureEndsTheReadWithoutPartialResult) {
  const std::string text = "P1\td\tA\nP2\td\tB\n";
  bool served = false;
  auto db = read_gmt_from([&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
    if (served) return core::fail("Input/output error (os error 5)");
    served = true;
    const std::size_t n = std::min(capacity, text.size());
    std::memcpy(out, text.data(), n);
    return n;
  });
  EXPECT_ERROR(db, "Input/output error (os error 5)");
}

TEST(GmtReader, FileSystemFailuresCarryTheSystemMessage) {
  test::TempDir dir;
  const std::string missing = (dir.path() / "missing.gmt").string();
  EXPECT_ERROR(read_gmt(missing), "No such file or directory (os error 2)");
  EXPECT_ERROR(read_gmt(""), "No such file or directory (os error 2)");
  EXPECT_ERROR(read_gmt(dir.path().string()), "Is a directory (os error 21)");
  const std::string not_dir = (dir.write("plain", "x").string()) + "/child.gmt";
  EXPECT_ERROR(read_gmt(not_dir), "Not a directory (os error 20)");

  // The NUL is inside the view: a C-string path would silently open "<dir>/a".
  dir.write("a", "P1\td\tA\n");
  const std::string with_nul = (dir.path() / "a").string() + std::string("\0b", 2);
  EXPECT_ERROR(read_gmt(with_nul), "file name contained an unexpected NUL byte");
}

TEST(GmtReader, FilesReadLikeTextIncludingTheByteOrderMark) {
  test::TempDir dir;
  const std::string body = "P1\tdesc\tA\tB\nP2\t\tC\r\n";
  auto plain = read_gmt(dir.write("plain.gmt", body).string());
  auto marked = read_gmt(dir.write("bom.gmt", "\xEF\xBB\xBF" + body).string());
  ASSERT_TRUE(plain.ok()) << plain.error();
  ASSERT_TRUE(marked.ok()) << marked.error();
  expect_pathways(*plain, {{"P1", "desc", {"A", "B"}}, {"P2", std::nullopt, {"C"}}});
  EXPECT_TRUE(same_db(*plain, *marked));

  EXPECT_ERROR(read_gmt(dir.write("bin.gmt", std::string("\x7f" "ELF\x02\x01\x01\0\0\xff", 10)).string()),
               "stream did not contain valid UTF-8");
  EXPECT_ERROR(read_gmt(dir.write("short.gmt", "P1\td\tA\n\nP3\n").string()),
               "Malformed GMT line 3: expected at least 3 tab-separated columns.");
}

TEST(GmtReader, AFifoWithoutWriterWaitsThroughTheHookUntilItSaysStop) {
  test::TempDir dir;
  const std::filesystem::path fifo = dir.path() / "sets.gmt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  int ticks = 0;
  const core::WaitHook stop_after_three = [&ticks](const std::function<void()>& pause) {
    pause();
    return ++ticks < 3;
  };
  auto db = read_gmt(fifo.string(), stop_after_three);
  EXPECT_ERROR(db, "Interrupted system call (os error 4)");
  EXPECT_EQ(db.failure().os_errno, EINTR);
  EXPECT_EQ(ticks, 3);
}

TEST(GmtReader, AFifoIsReadOnceItsWriterComes) {
  test::TempDir dir;
  const std::filesystem::path fifo = dir.path() / "sets.gmt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  int ticks = 0;
  std::thread writer;
  const core::WaitHook start_writer = [&](const std::function<void()>& pause) {
    pause();
    if (++ticks == 2) {
      writer = std::thread([&fifo] {
        std::ofstream out(fifo, std::ios::binary);
        out << "P1\td\tA\tB\n";
      });
    }
    return ticks < 200;
  };
  auto db = read_gmt(fifo.string(), start_writer);
  if (writer.joinable()) writer.join();
  ASSERT_TRUE(db.ok()) << db.error();
  expect_pathways(*db, {{"P1", "d", {"A", "B"}}});
  EXPECT_GE(ticks, 2);
}

TEST(GmtReader, ReadsTheBundledCollection) {
  auto db = read_gmt((std::filesystem::path(VARENKO_EXAMPLE_DATA_DIR) / "h.all.v7.1.symbols.gmt").string());
  ASSERT_TRUE(db.ok()) << db.error();
  ASSERT_EQ(db->pathways.size(), 50u);
  EXPECT_EQ(db->pathways.front().name, "HALLMARK_TNFA_SIGNALING_VIA_NFKB");
  EXPECT_EQ(db->pathways.front().genes.front(), "JUNB");
  for (const auto& p : db->pathways) {
    ASSERT_TRUE(p.description.has_value());
    EXPECT_FALSE(p.genes.empty());
  }
}

}  // namespace
}  // namespace varenko::io
