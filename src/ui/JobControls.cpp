#include "JobControls.h"

#include "JobFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

SameNumberJob JobControls::sameNumberJob() const
{
    SameNumberJob job;
    job.desde = txtDesde->text();
    job.hasta = txtHasta->text();
    for (int i = 0; i < SameNumberJob::kPositions; ++i) {
        job.posX[i] = txtPosX[i]->text();
        job.posY[i] = txtPosY[i]->text();
        job.off[i] = Check1[i]->isChecked();
        if (looks0[i].format)
            job.looks[i] = looks0[i].look();
    }
    job.juegos = txtJuegos->text();
    return job;
}

DistinctNumberJob JobControls::distinctNumberJob() const
{
    DistinctNumberJob job;
    for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
        job.desde[i] = desde[i]->text();
        job.hasta[i] = hasta[i]->text();
        job.posX[i] = posX[i]->text();
        job.posY[i] = posY[i]->text();
        job.off[i] = Check2[i]->isChecked();
        if (looks1[i].format)
            job.looks[i] = looks1[i].look();
    }
    job.piles = {chkPilas->isChecked(), txtPilasDesde->text(), txtPilasHasta->text(),
                 txtPilasProfundidad->text()};
    job.juegos = txtJuegos2->text();
    job.separadores = chkSeparadores && chkSeparadores->isChecked();
    return job;
}

void JobControls::LeerCheck(int page, const ProfileFiles &profiles, const QString &file) const
{
    std::optional<int> named;
    if (page == 0) {
        const JobFile::Page0Record record = JobFile::readPage0(profiles, file);
        SSTab1->setCurrentIndex(0);
        txtDesde->setText(record.desde);
        txtHasta->setText(record.hasta);
        for (int i = 0; i < SameNumberJob::kPositions; ++i) {
            const auto &p = record.positions[i];
            if (p.off)
                Check1[i]->setChecked(*p.off);
            txtPosX[i]->setText(p.x);
            txtPosY[i]->setText(p.y);
            if (p.forcedOff)
                Check1[i]->setChecked(true);
            if (looks0[i].format)
                looks0[i].show(p.look);
        }
        txtJuegos->setText(record.juegos);
        named = record.sstab;
    } else {
        const JobFile::Page1Record record = JobFile::readPage1(profiles, file);
        for (int i = 0; i < DistinctNumberJob::kRows; ++i) {
            const auto &r = record.rows[i];
            desde[i]->setText(r.desde);
            hasta[i]->setText(r.hasta);
            posX[i]->setText(r.x);
            posY[i]->setText(r.y);
            if (r.off)
                Check2[i]->setChecked(*r.off);
            if (looks1[i].format)
                looks1[i].show(r.look);
        }
        // The piles last: turning them on rewrites the rows' starts from the plan.
        txtPilasDesde->setText(record.piles.desde);
        txtPilasHasta->setText(record.piles.hasta);
        txtPilasProfundidad->setText(record.piles.profundidad);
        chkPilas->setChecked(record.piles.on);
        if (chkSeparadores)
            chkSeparadores->setChecked(record.separadores);
        txtJuegos2->setText(record.juegos);
        named = record.sstab;
    }
    SSTab1->setCurrentIndex(named.value_or(page));
}

JobControls::operator JobSource() const
{
    return {[this] { return sameNumberJob(); }, [this] { return distinctNumberJob(); },
            [this](int page, const ProfileFiles &profiles, const QString &file) {
                LeerCheck(page, profiles, file);
            },
            [this] { return SSTab1->currentIndex(); },
            [this](int page) { (page == 1 ? chVert2 : chVert)->setChecked(true); }};
}

QCheckBox *JobControls::checkBox(BulkEdit::Box box) const
{
    switch (box.control) {
    case BulkEdit::Box::chVert:
        return chVert;
    case BulkEdit::Box::chVert2:
        return chVert2;
    case BulkEdit::Box::Check1:
        return Check1.at(box.index);
    case BulkEdit::Box::Check2:
        return Check2.at(box.index);
    default:
        return nullptr;
    }
}

QLineEdit *JobControls::textBox(BulkEdit::Box box) const
{
    switch (box.control) {
    case BulkEdit::Box::txtDesde:
        return txtDesde;
    case BulkEdit::Box::txtHasta:
        return txtHasta;
    case BulkEdit::Box::txtPosX:
        return txtPosX.at(box.index);
    case BulkEdit::Box::txtPosY:
        return txtPosY.at(box.index);
    case BulkEdit::Box::desde:
        return desde.at(box.index);
    case BulkEdit::Box::hasta:
        return hasta.at(box.index);
    case BulkEdit::Box::posX:
        return posX.at(box.index);
    case BulkEdit::Box::posY:
        return posY.at(box.index);
    default:
        return nullptr;
    }
}
