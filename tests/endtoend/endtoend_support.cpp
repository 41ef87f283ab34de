#include "endtoend_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <set>
#include <stdexcept>

namespace corvanta::endtoend {
namespace {

void RunFfmpeg(const QStringList& arguments) {
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments);
  if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
    throw std::runtime_error("ffmpeg could not make a clip: " +
                             ffmpeg.readAllStandardError().toStdString());
  }
}

void MakeClip(const std::string& path, int seconds, const char* size, const char* audioCodec) {
  const QString duration = QString::number(seconds);
  RunFfmpeg({"-f", "lavfi", "-i",
             QString("testsrc=duration=%1:size=%2:rate=25").arg(duration, size), "-f", "lavfi",
             "-i", QString("sine=duration=%1").arg(duration), "-c:v", "mpeg4", "-c:a", audioCodec,
             "-shortest", QString::fromStdString(path)});
}

}  // namespace

std::string ProgramFolderPath() { return QCoreApplication::applicationDirPath().toStdString(); }

const std::string& SourceClip() {
  static QTemporaryDir folder;
  static const std::string path = [] {
    const std::string clip = folder.path().toStdString() + "/source.mp4";
    MakeClip(clip, 2, "320x240", "aac");
    return clip;
  }();
  return path;
}

void MakeMpeg4Mp3Avi(const std::string& path) { MakeClip(path, 2, "320x240", "libmp3lame"); }

void MakeDvdStyleVob(const std::string& path) {
  // The noise keeps the picture at the bitrate a real film has.
  RunFfmpeg(QString("-f lavfi -i testsrc=duration=4:size=720x576:rate=25,noise=alls=40:allf=t "
                    "-f lavfi -i sine=duration=4 -ac 2 -c:v mpeg2video -b:v 5500k -maxrate 9000k "
                    "-bufsize 1835k -c:a ac3 -b:a 192k -ar 48000 -f vob")
                .split(' ') +
            QStringList{QString::fromStdString(path)});
}

void CopyFile(const std::string& from, const std::string& to) {
  if (!QFile::copy(QString::fromStdString(from), QString::fromStdString(to))) {
    throw std::runtime_error("cannot copy " + from + " to " + to);
  }
}

int DistinctVideoFrames(const std::string& path) {
  QProcess ffmpeg;
  ffmpeg.start("ffmpeg",
               {"-v", "error", "-i", QString::fromStdString(path), "-an", "-f", "framemd5", "-"});
  if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) return 0;
  std::set<QByteArray> hashes;
  for (const QByteArray& line : ffmpeg.readAllStandardOutput().split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    hashes.insert(line.split(',').last().trimmed());
  }
  return static_cast<int>(hashes.size());
}

}  // namespace corvanta::endtoend
