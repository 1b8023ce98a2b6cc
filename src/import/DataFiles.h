#pragma once

#include "store/Records.h"

#include <QString>
#include <vector>

// The data files in data/ that the importer copies into a store. Every reader throws
// import::ImportError whose message names the file and, for a bad row, its line.
namespace import {

// Tab-separated, header "Urutan Perumpamaan Matius Markus Lukas Yohanes"; an empty gospel
// cell becomes Null.
std::vector<store::ParableRow> ReadParables(const QString& path);

// Tab-separated, header "Urutan Nubuat Lama Baru".
std::vector<store::ProphecyRow> ReadProphecies(const QString& path);

// A whole text, line breaks made CR LF and trailing blank lines dropped.
QString ReadDataText(const QString& path);

} // namespace import
