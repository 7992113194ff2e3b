// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <system_error>

namespace tallyfox {
namespace {

constexpr char kProgramName[] = "tallyfox";

// The options QGuiApplication and QApplication read themselves, with one
// dash or two; those that take a value take it as the next argument or
// after '='.
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "testability"};
constexpr std::array<std::string_view, 16> kQtValueOptions = {"platform",
                                                              "platformpluginpath",
                                                              "platformtheme",
                                                              "plugin",
                                                              "qwindowgeometry",
                                                              "geometry",
                                                              "qwindowtitle",
                                                              "title",
                                                              "qwindowicon",
                                                              "icon",
                                                              "session",
                                                              "display",
                                                              "name",
                                                              "style",
                                                              "stylesheet",
                                                              "qmljsdebugger"};

bool Contains(const auto& names, std::string_view name) {
  return std::ranges::find(names, name) != names.end();
}

struct QtOption {
  std::string_view name;
  bool valueFollows = false;  // the value is the next argument
};

std::optional<QtOption> AsQtOption(std::string_view argument) {
  if (!argument.starts_with('-')) return std::nullopt;
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  const std::size_t equals = argument.find('=');
  const std::string_view name = argument.substr(0, equals);
  if (Contains(kQtFlags, name) && equals == std::string_view::npos) return QtOption{name};
  if (Contains(kQtValueOptions, name)) return QtOption{name, equals == std::string_view::npos};
  return std::nullopt;
}

// The arguments the program reads itself; notes whether Qt is given a platform.
QStringList OwnArguments(int argc, char** argv, bool& platformGiven) {
  QStringList own{QString::fromLatin1(kProgramName)};
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    const std::optional<QtOption> qt = AsQtOption(argument);
    if (!qt) {
      own.append(QString::fromLocal8Bit(argv[i]));
      continue;
    }
    platformGiven = platformGiven || qt->name == "platform" || qt->name == "display";
    if (qt->valueFollows) ++i;
  }
  return own;
}

std::string HelpText(const QCommandLineParser& parser) {
  // Without an application object Qt does not know the program's name.
  QString text = parser.helpText();
  text.replace(QStringLiteral("<executable_name>"), QString::fromLatin1(kProgramName));
  return text.toStdString();
}

std::string VersionText() {
  return std::string(kProgramName) + " " + TALLYFOX_VERSION +
         "\n"
         "Copyright (C) 2026 The Tallyfox developers\n"
         "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

CommandLine Refusal(const std::string& reason) {
  CommandLine line;
  line.action = CommandLine::Action::Refuse;
  line.text =
      std::string(kProgramName) + ": " + reason + "\nTry 'tallyfox --help' for more information.\n";
  return line;
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A sale calculator with US sales tax, a discount table, shopping lists and a unit, currency "
      "and shoe-size converter.\n"
      "Qt's own options are taken too: -style STYLE, -platform NAME, -reverse, "
      "-qwindowgeometry GEOMETRY and the others."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays help on commandline options."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays version information."));
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QStringLiteral("Keep the tax setting, the exchange rates and the lists in <folder>."),
      QStringLiteral("folder"));
  const QCommandLineOption exportList(
      QStringLiteral("export-list"),
      QStringLiteral("Print the shopping list <name> as text and leave; needs no display."),
      QStringLiteral("name"));
  parser.addOptions({help, version, dataDir, exportList});

  CommandLine line;
  if (!parser.parse(OwnArguments(argc, argv, line.platformGiven))) {
    return Refusal(parser.errorText().toStdString());
  }
  if (parser.isSet(dataDir)) {
    std::error_code error;
    const std::string folder = parser.value(dataDir).toStdString();
    if (!folder.empty()) line.dataFolder = std::filesystem::absolute(folder, error);
    if (line.dataFolder.empty()) return Refusal("--data-dir needs a folder.");
  }
  if (parser.isSet(help)) {
    line.action = CommandLine::Action::ShowHelp;
    line.text = HelpText(parser);
  } else if (parser.isSet(version)) {
    line.action = CommandLine::Action::ShowVersion;
    line.text = VersionText();
  } else if (parser.isSet(exportList)) {
    line.action = CommandLine::Action::ExportList;
    line.listName = parser.value(exportList).toStdU16String();
  }
  return line;
}

}  // namespace tallyfox
