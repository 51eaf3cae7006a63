// rerore-cli render: the view's picture of a position as a PNG image or as
// the printed page in a PDF file, without a display.
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <cstdio>
#include <memory>

#include "check/rebuild.h"
#include "check/structure_check.h"
#include "cli/commands.h"
#include "view/core/world_mapping.h"
#include "view/frame_output.h"

namespace rerore {

namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kDefaultHeight = 1000;
constexpr int kLargestSide = 20000;

struct RenderOptions {
  Arguments start;  // EXT @DATAPATH [@G]
  std::string output;
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  bool check = false;
};

bool ParseSize(const std::string& text, int& width, int& height) {
  char x = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &width, &x, &height, &rest) != 3 || x != 'x')
    return false;
  return width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide;
}

bool ParseRenderArguments(const Arguments& arguments, RenderOptions& options) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == "--check") {
      options.check = true;
    } else if (a == "--size") {
      if (++i == arguments.size() || !ParseSize(arguments[i], options.width, options.height))
        return false;
    } else if (a.ends_with(".png") || a.ends_with(".pdf")) {
      options.output = a;
    } else {
      options.start.push_back(a);
    }
  }
  return !options.output.empty() && options.start.size() >= 2;
}

// The toolkit draws without a display.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "rerore-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

int WriteOutput(const RenderOptions& options, Session& session, UserMessages& messages) {
  WorldMapping mapping(session.view);
  // The screen's first paint fits the frame; the next one takes in what the
  // first added to the extents (the poles of a mechanism).
  RenderFrameImage(options.width, options.height, session, mapping, messages);
  if (options.output.ends_with(".pdf")) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(options.output.c_str()));
    PrintFramePage(printer, session, mapping, messages);
    return 0;
  }
  const QImage image = RenderFrameImage(options.width, options.height, session, mapping, messages);
  if (!image.save(QString::fromLocal8Bit(options.output.c_str()))) {
    messages.message("The file " + options.output + " cannot be stored!", "Error");
    return kExitFileNotWritten;
  }
  return 0;
}

}  // namespace

int RunRender(const Arguments& arguments) {
  RenderOptions options;
  if (!ParseRenderArguments(arguments, options)) {
    std::fprintf(stderr, "usage: rerore-cli %s\n", kRenderUsage);
    return kExitUsage;
  }
  const std::unique_ptr<QGuiApplication> application = OffscreenApplication();
  Session session;
  CliMessages messages;
  if (const int failed = StartFromArguments(session, messages, options.start)) return failed;
  if (options.check) {
    RebuildModel(session, messages);
    PrintCheckResult(CheckStructure(session, messages));
  }
  return WriteOutput(options, session, messages);
}

}  // namespace rerore
