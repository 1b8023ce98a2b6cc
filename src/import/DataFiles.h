#pragma once

#include "scripture/Notations.h"
#include "store/Records.h"

#include <QString>
#include <functional>
#include <vector>

// The data files in data/ that the importer copies into a store. Every reader throws
// import::ImportError whose message names the file and, for a bad row, its line; a reference
// that check finds fault with is a bad row.
namespace import {

// Why the store being built cannot show a reference; empty when it can.
using ReferenceCheck = std::function<QString(const scripture::LocationKey&)>;

// Tab-separated, header "Urutan Perumpamaan Matius Markus Lukas Yohanes"; an empty gospel
// cell becomes Null.
std::vector<store::ParableRow> ReadParables(const QString& path, const ReferenceCheck& check = {});

// Tab-separated, header "Urutan Nubuat Lama Baru".
std::vector<store::ProphecyRow> ReadProphecies(const QString& path,
                                               const ReferenceCheck& check = {});

// A whole text, line breaks made CR LF and trailing blank lines dropped.
QString ReadDataText(const QString& path);

} // namespace import
