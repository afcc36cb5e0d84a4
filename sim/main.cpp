// tagwell-printer-sim: a simulated TORQ label printer on TCP and a pseudo-terminal, so that
// Tagwell can be tried and tested without a printer.
#include <poll.h>
#include <unistd.h>

#include <fcntl.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "sim/FileDescriptor.h"
#include "sim/HexText.h"
#include "sim/Printer.h"
#include "sim/ProgramOptions.h"
#include "sim/SerialLink.h"
#include "sim/Server.h"

namespace {

int signalPipe = -1;  // write end; the handler may only do async-signal-safe things

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
    errno = saved;
}

bool CatchStopSignals(sim::FileDescriptor& readEnd, sim::FileDescriptor& writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        return false;
    }
    readEnd = sim::FileDescriptor(fds[0]);
    writeEnd = sim::FileDescriptor(fds[1]);
    signalPipe = writeEnd.Get();
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    return ::sigaction(SIGINT, &action, nullptr) == 0 &&
           ::sigaction(SIGTERM, &action, nullptr) == 0;
}

void WaitForStopSignal(int readEnd) {
    pollfd polled{readEnd, POLLIN, 0};
    while (::poll(&polled, 1, -1) < 0 && errno == EINTR) {
    }
}

std::string HostForDisplay(const std::string& host) {
    return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    sim::ProgramOptions options;
    std::string error;
    if (!options.Parse(arguments, error)) {
        std::cerr << "tagwell-printer-sim: " << error << "\n\n" << sim::ProgramOptions::Usage();
        return 2;
    }
    if (options.help) {
        std::cout << sim::ProgramOptions::Usage();
        return 0;
    }

    sim::FileDescriptor stopRead;
    sim::FileDescriptor stopWrite;
    if (!CatchStopSignals(stopRead, stopWrite)) {
        std::cerr << "tagwell-printer-sim: cannot catch signals\n";
        return 1;
    }

    sim::Printer printer(options.model);
    if (!options.recordFile.empty() && !printer.SetRecordFile(options.recordFile)) {
        std::cerr << "tagwell-printer-sim: cannot write the record file " << options.recordFile
                  << "\n";
        return 1;
    }
    if (options.sink) {
        printer.Edit([](sim::PrinterState& state) { state.raw.SetKeep(false); });
    }
    if (!options.labelFolder.empty()) {
        // The printer goes on without it: each label it cannot write is reported on stopping.
        std::error_code failure;
        std::filesystem::create_directories(options.labelFolder, failure);
        if (failure) {
            std::cerr << "tagwell-printer-sim: cannot make the label folder " << options.labelFolder
                      << ": " << failure.message() << "\n";
        }
        printer.SetLabelFolder(options.labelFolder);
    }
    sim::Server server(printer);
    server.SetMisbehaviour(options.misbehaviour);
    printer.Edit([&options](sim::PrinterState& state) {
        state.media = options.media;
        state.status = options.status;
        state.rfid.tag.reset();
        if (options.rfidTag) {
            state.rfid.tag = sim::RfidState::BlankTag(*options.rfidTag);
        }
    });
    if (options.tcp && !server.ListenTcp(options.port, options.host)) {
        std::cerr << "tagwell-printer-sim: " << server.LastError()
                  << (options.port != 0 ? " (is another simulator or printer service running? "
                                          "try --port 0)"
                                        : "")
                  << "\n";
        return 1;
    }
    if (options.pty && !server.OpenPty()) {
        std::cerr << "tagwell-printer-sim: " << server.LastError() << "\n";
        return 1;
    }
    sim::SerialLink link;
    if (options.pty) {
        const std::string linkPath =
            options.serialLink.empty() ? sim::SerialLink::DefaultPath() : options.serialLink;
        if (!link.Create(linkPath, server.PtyPath(), error)) {
            // The terminal still works when opened by its own path; only the announcement failed.
            std::cerr << "tagwell-printer-sim: " << error << "\n";
        }
    }
    if (!server.Start()) {
        std::cerr << "tagwell-printer-sim: " << server.LastError() << "\n";
        return 1;
    }

    if (options.tcp) {
        std::cout << "TCP " << HostForDisplay(options.host) << ":" << server.TcpPort() << "\n";
    }
    if (options.pty) {
        std::cout << "serial " << server.PtyPath();
        if (!link.Path().empty()) {
            std::cout << " (also as " << link.Path() << ")";
        }
        std::cout << "\n";
    }
    if (options.rfidTag) {
        std::cout << "RFID tag in the field, EPC "
                  << sim::HexFromBytes(options.rfidTag->data(), options.rfidTag->size()) << "\n";
    } else {
        std::cout << "RFID field empty\n";
    }
    std::cout.flush();

    WaitForStopSignal(stopRead.Get());
    server.Stop();
    link.Remove();
    if (options.sink) {
        const sim::RawData raw = printer.Snapshot().raw;
        std::printf("raw data: %llu bytes, FNV-1a hash %016llx\n",
                    static_cast<unsigned long long>(raw.Count()),
                    static_cast<unsigned long long>(raw.HashValue()));
        std::fflush(stdout);
    }
    int status = 0;
    const sim::LabelFiles files = printer.Snapshot().labels.files;
    for (const std::string& failure : files.failures) {
        std::cerr << "tagwell-printer-sim: label not written: " << failure << "\n";
        status = 1;
    }
    if (!options.pngFolder.empty() && !printer.WriteImagesAsPng(options.pngFolder, error)) {
        std::cerr << "tagwell-printer-sim: " << error << "\n";
        status = 1;
    }
    return status;
}
