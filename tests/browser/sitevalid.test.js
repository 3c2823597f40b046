// The new forms are valid HTML5 and axe finds nothing to report in them: the files form's
// fragment in a page that links its two files, served over HTTP, and the code file of the
// pasted form with the current page shown and with links on wide screens; the list of links
// and the drop-down are each checked at a width that shows them.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const {after, before, test} = require('node:test');
const pages = require('./pages');
const site = require('./site');

const FILES_PROJECTS = [
    'browser_site_current.pkw', 'browser_site_wide.pkw', 'browser_site_popup.pkw',
    'browser_site_framed.pkw'
];
const INLINE_PROJECTS = [ 'browser_site_current.pkw', 'browser_site_wide.pkw' ];
const WIDTHS = {
    wide : {width : 1024, height : 768},
    narrow : {width : 375, height : 667}
};
let browser;
let folder;
let server;

before(async () => {
    browser = await pages.launch();
    folder = pages.makeFolder('pickwell-sitevalid-');
    // Without the strict policy, which would block axe itself.
    server = await site.serve(folder);
});

after(async () => {
    await server.close();
    await browser.close();
    pages.removeFolders();
});

async function assertValid(project, html) {
    const report = await pages.htmlValidator(project).validateString(html);
    assert.ok(report.valid, JSON.stringify(report.results, null, 1));
}

async function assertNoAxeViolations(url, include) {
    for (const [name, viewport] of Object.entries(WIDTHS)) {
        const found = await pages.axeViolations(browser.context, url, include, viewport);
        assert.deepEqual(found, [], `at the ${name} width`);
    }
}

for (const project of FILES_PROJECTS) {
    test(`files form of ${project}`, async () => {
        const files = pages.siteFiles(folder, project);
        const html = pages.doctypePage(pages.siteHead(files.name), files.fragment);
        // The head comment names the script file; outside comments there is nothing inline.
        const markup = files.fragment.replace(/<!--[^]*?-->/g, '');
        assert.doesNotMatch(markup, /<script|<style|style=/i, 'nothing inline in the fragment');
        await assertValid(project, html);
        site.writeFile(folder, `${files.name}-page.html`, html);
        await assertNoAxeViolations(`${server.origin}/${files.name}-page.html`);
    });
}

for (const project of INLINE_PROJECTS) {
    test(`code file of the pasted form of ${project}`, async () => {
        const url = pages.codeFilePage(folder, project, `${project}.html`);
        await assertValid(project, fs.readFileSync(new URL(url), 'utf8'));
        // The code file carries the two codes rather than being a page of its own: the menu
        // is checked in place.
        await assertNoAxeViolations(url, {include : [ [ 'form' ], [ 'nav' ] ]});
    });
}
