#pragma once
#include <string>

// A PDF file that is written whole or not at all. The printer writes a
// temporary file beside the target (the painter does not report failed
// writes), and commit() puts it in place only when it ends as a PDF must; a
// failed output leaves the target as it was. A target that is no regular
// file (a device, a pipe) is given the finished bytes. Names are UTF-8
// text, on POSIX the operating system's bytes as given.
class PdfOutput {
public:
    // Throws IoError naming the target when no temporary file can be made.
    explicit PdfOutput(const std::string& target);
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;

    const std::string& temporaryName() const { return temporary_; }
    // Throws IoError naming the target when the file is not whole or
    // cannot be put in place.
    void commit();

private:
    void checkWhole() const;
    void copyIntoTarget() const;

    std::string target_;      // as given, for messages
    std::string destination_; // links followed
    std::string temporary_;
    bool copyIntoTarget_ = false;
    bool committed_ = false;
};
