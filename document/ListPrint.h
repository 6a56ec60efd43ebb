// What a printed channel list holds, worked out without a printer: the
// sections (one per list), their rows of six cells, and how the rows fall on
// pages of a given height. The editor paints these (app/ListPainter); a
// test can check every row and page break without painting anything.
#pragma once

#include "model/ChannelListModel.h"
#include "model/Product.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CZorvDB;

inline constexpr std::size_t kPrintColumnCount = 6;
// CH#, Name, Satellite, Frequency, Provider, Flags.
const std::array<std::string_view, kPrintColumnCount>& PrintColumnHeaders();

// One printed row; the name and the other names are Windows-1252 bytes.
using PrintRow = std::array<std::string, kPrintColumnCount>;

struct PrintSection {
    std::string title; // "TV list", "Radio list", "Favourite 2: Sport"
    std::vector<PrintRow> rows;
    int favorite = 0; // the favourite list's number; 0 for the TV and radio lists
};

// The rows of `keys` (channel keys, in the order given) as a section; keys
// without a channel are left out.
PrintSection MakePrintSection(const CZorvDB& db, const Product& product, std::string title,
                              std::span<const std::uint32_t> keys);
// Every favourite list that has channels, TV and radio members together in
// their favourite order.
std::vector<PrintSection> FavoriteListSections(const CZorvDB& db, const Product& product);
// The whole list: the TV list and the radio list (each as an unfiltered
// grid orders it), then the favourite lists.
std::vector<PrintSection> WholeListSections(const CZorvDB& db, const Product& product);

// What to print: the TV list, the radio list, favourite lists by number.
struct PrintChoice {
    bool tv = true, radio = true;
    std::vector<int> favorites; // list numbers from 1
    friend bool operator==(const PrintChoice&, const PrintChoice&) = default;
};
// What a print starts from: the favourite list the lists show (a favourite
// filter with a list number), else the TV and the radio list.
PrintChoice DefaultPrintChoice(const ChannelFilter& shown);
// The chosen sections in the order of the whole list; a chosen favourite
// list without channels is left out.
std::vector<PrintSection> ChosenPrintSections(const CZorvDB& db, const Product& product,
                                              const PrintChoice& choice);

// The flags column: "Scr", "Lock", "Skip" as they apply, blank-separated.
std::string PrintFlagsText(std::uint16_t attributes);

struct PrintPage {
    std::size_t section = 0;  // index into the sections
    std::size_t firstRow = 0; // first row of that section on this page
    std::size_t rowCount = 0; // may be 0 for a section without rows
};
// Rows to pages: every section starts on a new page, a page holds at most
// `rowsPerPage` rows (at least 1 is assumed), and pages break between rows.
// A section without rows still gets one page, which says so.
std::vector<PrintPage> PaginatePrint(std::span<const PrintSection> sections, int rowsPerPage);

// A page in lines of text from the top: the title, the section's heading,
// a blank line, the column headers, then the rows; the page number stands
// on the last line, after a blank one.
inline constexpr int kPrintTitleLine = 0;
inline constexpr int kPrintSectionLine = 1;
inline constexpr int kPrintHeaderLine = 3;
inline constexpr int kPrintFirstRowLine = 4;
inline constexpr int kPrintLinesBelowRows = 2;
// Rows a page of `pageLines` lines holds; at least 1, however small.
int PrintRowsPerPage(int pageLines);
// Where each column starts across a line `width` units wide, and where the
// last one ends; the widths share out the line as the columns' typical
// texts need (a 28-letter name, "11,778 MHz HOR", "Scr Lock Skip").
std::array<int, kPrintColumnCount + 1> PrintColumnStarts(int width);
// The width of the widest line, in average characters: a font whose
// average character is `width` / this wide fits every typical text.
int PrintLineCharacters();
// A section's heading on a page: its title, "(continued)" after the first.
std::string PrintSectionHeading(const PrintSection& section, const PrintPage& page);
// What the page of a section without rows says.
inline constexpr std::string_view kPrintNoChannels = "No channels in this list.";

// "1 / 12": a page's number and the count, both from 1.
std::string PrintPageNumberText(std::size_t page, std::size_t count);
// The line on top of each page: file name, receiver and date, joined by
// " - "; parts that are empty are left out.
std::string PrintTitleText(std::string_view fileName, std::string_view receiver,
                           std::string_view date);
