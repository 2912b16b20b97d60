#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"

namespace dct::cli {
namespace {

// The options in a short form that a case can spell out: only what differs
// from the defaults, then the non-zero coefficients as index:value.
std::string Summary(const CliOptions& o) {
  std::ostringstream s;
  s << (o.action == Action::ShowHelp      ? "help"
        : o.action == Action::ShowVersion ? "version"
        : o.action == Action::Forward     ? "forward"
        : o.action == Action::BasisSheet  ? "sheet"
        : o.action == Action::Picture     ? "picture"
        : o.action == Action::JpegFile    ? "jpeg"
                                          : "run");
  if (o.format == OutputFormat::Json) s << " json";
  if (o.levels) s << " levels";
  if (o.round) s << " round";
  if (o.tablePath) s << " table=" << *o.tablePath;
  if (o.pngPath) s << " png=" << *o.pngPath;
  if (o.sheetPath) s << " sheet=" << *o.sheetPath;
  if (o.sheetValue != kDefaultSheetValue) s << " value=" << o.sheetValue;
  if (o.imagePath) s << " image=" << *o.imagePath << " block=" << o.block.x << ',' << o.block.y;
  if (o.jpegPath) s << " jpeg=" << *o.jpegPath;
  if (o.compression.Quality) s << " quality=" << *o.compression.Quality;
  if (o.compression.Kept != kGridCount) s << " keep=" << o.compression.Kept;
  if (o.scale != (o.action == Action::BasisSheet ? kDefaultSheetScale : kDefaultScale)) {
    s << " scale=" << o.scale;
  }
  for (int i = 0; i < kGridCount; ++i) {
    if (o.coefficients.at(i) != 0) s << ' ' << i << ':' << o.coefficients.at(i);
  }
  return s.str();
}

struct ArgsCase {
  const char* name;
  std::vector<std::string_view> args;
  // A Summary when accepted; else how the error begins: the culprit quoted.
  std::string expected;
  friend void PrintTo(const ArgsCase& c, std::ostream* os) { *os << c.name; }
};

class ParseArgumentsTest : public testing::TestWithParam<ArgsCase> {};

TEST_P(ParseArgumentsTest, Accepts) {
  const auto parsed = ParseArguments(GetParam().args);
  ASSERT_TRUE(parsed.ok()) << parsed.error();
  EXPECT_EQ(Summary(parsed.value()), GetParam().expected);
}

class ParseArgumentsRefusesTest : public testing::TestWithParam<ArgsCase> {};

TEST_P(ParseArgumentsRefusesTest, NamingTheArgumentAtFault) {
  const auto parsed = ParseArguments(GetParam().args);
  ASSERT_FALSE(parsed.ok()) << Summary(parsed.value());
  EXPECT_EQ(parsed.error().substr(0, GetParam().expected.size()), GetParam().expected);
}

std::string CaseName(const testing::TestParamInfo<ArgsCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Good, ParseArgumentsTest,
    testing::Values(
        ArgsCase{"nothing_gives_all_zero", {}, "run"},
        ArgsCase{
            "u_is_the_column_v_the_row", {"1,0=100", "0,1=-7", "7,7=5"}, "run 1:100 8:-7 63:5"},
        ArgsCase{"sixteen_bit_limits", {"0,0=32767", "1,0=-32768"}, "run 0:32767 1:-32768"},
        ArgsCase{"leading_zeros", {"00,0=007"}, "run 0:7"},
        ArgsCase{"json_table", {"--json", "--table", "-"}, "run json table=-"},
        ArgsCase{"values_after_equals",
                 {"--table=t", "--scale=1", "--png=p"},
                 "run table=t png=p scale=1"},
        ArgsCase{"largest_scale", {"--scale", "256", "--png", "p"}, "run png=p scale=256"},
        ArgsCase{"file_named_like_an_option", {"--png", "--json"}, "run png=--json"},
        ArgsCase{"short_help", {"-h"}, "help"},
        ArgsCase{"help_ends_the_reading", {"--scale", "0", "--help", "--bogus"}, "help"},
        ArgsCase{"forward_with_all_it_takes",
                 {"--round", "--table=b", "--forward", "--json", "--levels"},
                 "forward json levels round table=b"},
        ArgsCase{
            "sheet_has_its_own_default_scale", {"--basis-sheet", "s.png"}, "sheet sheet=s.png"},
        ArgsCase{"sheet_value_and_largest_scale",
                 {"--value=-32768", "--scale", "32", "--basis-sheet=s"},
                 "sheet sheet=s value=-32768 scale=32"},
        ArgsCase{"builtin_picture_with_all_it_takes",
                 {"--keep=0", "--block=63,0", "--json", "--image=-builtin-", "--quality", "100"},
                 "picture json image=-builtin- block=63,0 quality=100 keep=0"},
        ArgsCase{"picture_saved_as_jpeg",
                 {"--image", "p.png", "--jpeg=q.jpg", "--quality", "7", "--keep", "10"},
                 "jpeg image=p.png block=0,0 jpeg=q.jpg quality=7 keep=10"},
        ArgsCase{"picture_from_standard_input",
                 {"--image", "-", "--block", "0,0", "--quality=1", "--keep", "64"},
                 "picture image=- block=0,0 quality=1"},
        ArgsCase{"version", {"--version", "9,9=9"}, "version"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Bad, ParseArgumentsRefusesTest,
    testing::Values(
        ArgsCase{"u_above_7", {"8,0=1"}, "'8,0=1': u is outside 0..7"},
        ArgsCase{"negative_v", {"0,-1=1"}, "'0,-1=1': v is outside 0..7"},
        ArgsCase{"negative_u_is_no_option", {"-1,0=1"}, "'-1,0=1': u is outside 0..7"},
        ArgsCase{"value_above_16_bits",
                 {"0,0=32768"},
                 "'0,0=32768': the value is outside -32768..32767"},
        ArgsCase{"value_beyond_64_bits",
                 {"0,0=-99999999999999999999"},
                 "'0,0=-99999999999999999999': the value is outside"},
        ArgsCase{"trailing_junk", {"0,0=12abc"}, "'0,0=12abc': the value is not a decimal integer"},
        ArgsCase{"plus_sign", {"0,0=+5"}, "'0,0=+5': the value is not"},
        ArgsCase{"empty_value", {"0,0="}, "'0,0=': the value is not"},
        ArgsCase{"no_comma", {"0=5"}, "'0=5': expected an option or u,v=VALUE"},
        ArgsCase{"lone_dash", {"-"}, "'-': expected"},
        ArgsCase{
            "set_twice", {"1,0=1", "1,0=3"}, "'1,0=3': this coefficient is already set by '1,0=1'"},
        ArgsCase{"first_fault_wins", {"9,0=1", "--bogus"}, "'9,0=1': "},
        ArgsCase{"fault_before_help", {"--value", "x", "--help"}, "'--value x': the value is not"},
        ArgsCase{"newline_stays_escaped", {"0,0=1\n2"}, "'0,0=1\\x0A2': "},
        // Latin-1's "é" and a surrogate are no UTF-8; "ç" and "😀" are.
        ArgsCase{"bytes_not_utf8_escaped",
                 {"\xE7\xC3\xA7\xED\xA0\x80\xF0\x9F\x98\x80=1"},
                 "'\\xE7ç\\xED\\xA0\\x80😀=1': "},
        ArgsCase{"unknown_option", {"--colour"}, "'--colour': unknown option"},
        ArgsCase{"double_dash", {"--"}, "'--': unknown option"},
        ArgsCase{"unknown_option_given_a_value", {"--x="}, "'--x=': unknown option"},
        ArgsCase{"short_help_given_a_value", {"-hx"}, "'-hx': -h takes no value"},
        ArgsCase{"help_given_a_value", {"--help=x"}, "'--help=x': --help takes no value"},
        // Once a crash: an option's name inside the short help's value.
        ArgsCase{"option_in_short_helps_value", {"-hhh-table=s"}, "'-hhh-table=s': -h takes"},
        ArgsCase{"word_before_short_helps_value", {",", "-hhh-table=s"}, "',': expected"},
        ArgsCase{"flag_with_a_value", {"--json=yes"}, "'--json=yes': --json takes no value"},
        ArgsCase{"table_without_file", {"--table"}, "'--table': needs a file name"},
        ArgsCase{"empty_file_name", {"--png="}, "'--png=': the file name is empty"},
        // As "--png=$FILE" reads with FILE unset: the word after is no file name.
        ArgsCase{
            "empty_file_name_then_a_word", {"--png=", "0,0=1"}, "'--png=': the file name is empty"},
        ArgsCase{"png_to_standard_output",
                 {"--png", "-"},
                 "'--png -': the image cannot go to standard output"},
        ArgsCase{"scale_zero",
                 {"--png", "p", "--scale", "0"},
                 "'--scale 0': the scale is outside 1..256"},
        ArgsCase{
            "scale_too_big", {"--png", "p", "--scale=257"}, "'--scale=257': the scale is outside"},
        ArgsCase{"scale_without_png", {"--scale", "4"}, "'--scale 4': --scale needs --png or"},
        ArgsCase{"empty_scale_then_an_option",
                 {"--scale=", "--png=p"},
                 "'--scale=': the scale is not a decimal integer"},
        ArgsCase{"png_twice", {"--png", "a", "--png=b"}, "'--png=b': --png is given twice"},
        ArgsCase{"table_and_coefficients",
                 {"0,0=1", "--table", "t", "1,0=2"},
                 "'0,0=1': u,v=VALUE cannot be combined with --table"},
        ArgsCase{"levels_without_forward", {"--levels"}, "'--levels': --levels needs --forward"},
        ArgsCase{
            "value_without_sheet", {"--value", "5"}, "'--value 5': --value needs --basis-sheet"},
        ArgsCase{"forward_with_coefficients",
                 {"--forward", "1,0=5"},
                 "'1,0=5': u,v=VALUE cannot be combined with --forward"},
        // The first of the two modes stands; the other is at fault.
        ArgsCase{"sheet_after_forward",
                 {"--forward", "--basis-sheet", "s"},
                 "'--basis-sheet s': --basis-sheet cannot be combined with --forward"},
        ArgsCase{"forward_after_sheet",
                 {"--basis-sheet", "s", "--forward"},
                 "'--forward': --forward cannot be combined with --basis-sheet"},
        ArgsCase{"sheet_with_json",
                 {"--basis-sheet", "s", "--json"},
                 "'--json': --json cannot be combined with --basis-sheet"},
        // Whatever order the checks run in, the report names the first culprit.
        ArgsCase{"earliest_culprit_named",
                 {"--round", "--value", "3", "--levels"},
                 "'--round': --round needs --forward"},
        ArgsCase{"earliest_culprit_in_a_mode",
                 {"--json", "--value=1", "--levels", "--basis-sheet", "s"},
                 "'--json': --json cannot be combined with --basis-sheet"},
        ArgsCase{"sheet_scale_too_big",
                 {"--basis-sheet", "s", "--scale=33"},
                 "'--scale=33': the scale is outside 1..32"},
        ArgsCase{"image_without_block",
                 {"--image", "p"},
                 "'--image p': --image needs --block X,Y or --jpeg FILE"},
        ArgsCase{"jpeg_without_quality",
                 {"--image", "p", "--jpeg", "q.jpg"},
                 "'--jpeg q.jpg': --jpeg needs --quality Q"},
        ArgsCase{"jpeg_with_block",
                 {"--image", "p", "--jpeg", "q.jpg", "--quality", "5", "--block", "0,0"},
                 "'--block 0,0': --block cannot be combined with --jpeg"},
        ArgsCase{"jpeg_to_standard_output",
                 {"--image", "p", "--jpeg", "-", "--quality", "5"},
                 "'--jpeg -': the image cannot go to standard output"},
        ArgsCase{"block_without_image", {"--block", "1,1"}, "'--block 1,1': --block needs --image"},
        ArgsCase{"block_without_comma", {"--block", "7"}, "'--block 7': expected X,Y"},
        ArgsCase{
            "block_beyond_any_picture", {"--block", "64,0"}, "'--block 64,0': X is outside 0..63"},
        ArgsCase{"negative_block_row", {"--block", "0,-1"}, "'--block 0,-1': Y is outside 0..63"},
        ArgsCase{
            "quality_zero", {"--quality", "0"}, "'--quality 0': the quality is outside 1..100"},
        ArgsCase{"keep_too_many", {"--keep=65"}, "'--keep=65': the number kept is outside 0..64"},
        ArgsCase{"image_with_coefficients",
                 {"--image", "p", "--block", "0,0", "1,0=5"},
                 "'1,0=5': u,v=VALUE cannot be combined with --image"},
        ArgsCase{"sheet_to_standard_output",
                 {"--basis-sheet", "-"},
                 "'--basis-sheet -': the image cannot go to standard output"}),
    CaseName);

}  // namespace
}  // namespace dct::cli
